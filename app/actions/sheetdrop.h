#pragma once

#include <QObject>
#include <QStringList>
#include <functional>

class QWidget;

namespace scribel {

// Lets the author drop local sheet files anywhere on the window, its fields included, handing
// them over by path; anything else (text into a field, a web address) goes as before.
class SheetDrop final : public QObject {
    Q_OBJECT
public:
    using OpenFiles = std::function<void(const QStringList& paths)>;

    // Watches `window` and every child that takes drops of its own.
    SheetDrop(QWidget* window, OpenFiles openFiles);

    // Watches the children of `part` that take drops, for controls made after the window.
    void watchChildrenOf(const QWidget& part);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    OpenFiles m_openFiles;
};

} // namespace scribel
