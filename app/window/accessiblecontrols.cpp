#include "accessiblecontrols.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>

namespace scribel {

namespace {

constexpr const char* kNamedByCaption = "scribelNamedByCaption";
constexpr const char* kGroup = "scribelGroup";

class ListAccessible final : public QAccessibleWidget {
public:
    explicit ListAccessible(QComboBox* list) : QAccessibleWidget(list, QAccessible::ComboBox) {}

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Value ? list()->currentText() : QAccessibleWidget::text(t);
    }

    // The one child is the list of items, as Qt's own list gives it.
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override {
        return index == 0 ? QAccessible::queryAccessibleInterface(list()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child != nullptr && child->object() == list()->view() ? 0 : -1;
    }

    QStringList actionNames() const override {
        return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == showMenuAction() || action == pressAction()) {
            list()->showPopup();
        } else {
            QAccessibleWidget::doAction(action);
        }
    }

private:
    QComboBox* list() const { return static_cast<QComboBox*>(widget()); }
};

QAccessibleInterface* sheetAccessible(const QString& className, QObject* object) {
    if (className == QLatin1String("QComboBox") && object->property(kNamedByCaption).toBool()) {
        return new ListAccessible(static_cast<QComboBox*>(object));
    }
    if (className == QLatin1String("QWidget") && object->property(kGroup).toBool()) {
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Grouping);
    }
    return nullptr;
}

// Asked before Qt's own interfaces, for the controls marked below only. What Qt may
// already have built for the control, and keeps, is dropped for the next question to
// reach the factory.
void mark(QObject& control, const char* property) {
    [[maybe_unused]] static const bool installed = [] {
        QAccessible::installFactory(sheetAccessible);
        return true;
    }();
    control.setProperty(property, true);
    if (QAccessibleInterface* built = QAccessible::queryAccessibleInterface(&control)) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(built));
    }
}

} // namespace

void nameListByCaption(QComboBox& list) {
    mark(list, kNamedByCaption);
}

void markAsGroup(QWidget& container) {
    mark(container, kGroup);
}

} // namespace scribel
