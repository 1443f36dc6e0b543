#pragma once

class QCoreApplication;

namespace scribel {

// Makes Qt's own texts (file dialogs, their questions, standard buttons) French.
// False when Qt's French translations are not installed.
bool installQtFrenchTranslation(QCoreApplication& application);

} // namespace scribel
