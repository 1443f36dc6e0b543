#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>

namespace scribel {

// The first of the folders, in order, that holds a document of that bare name.
std::optional<QString> findDocument(QStringView name, const QStringList& folders);

} // namespace scribel
