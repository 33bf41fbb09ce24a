#include "platform/widgets/accessible_lists.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>

namespace platform {
namespace {

class NamedPullDownList : public QAccessibleWidget {
public:
    explicit NamedPullDownList(QComboBox* list) : QAccessibleWidget(list, QAccessible::ComboBox) {}

    QString text(QAccessible::Text t) const override
    {
        const QString value = List()->currentText();
        if (t == QAccessible::Value)
            return value;
        const QString text = QAccessibleWidget::text(t);
        return t == QAccessible::Name && text.isEmpty() ? value : text; // nothing better to go by
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.expandable = true;
        s.expanded = List()->view()->isVisible();
        return s;
    }

    // The list of items, as the toolkit's own interface has it.
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override
    {
        return index == 0 ? QAccessible::queryAccessibleInterface(List()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child && child->object() == List()->view() ? 0 : -1;
    }

    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString& action) override
    {
        if (action != showMenuAction() && action != pressAction())
            return;
        if (List()->view()->isVisible())
            List()->hidePopup();
        else
            List()->showPopup();
    }

private:
    QComboBox* List() const { return static_cast<QComboBox*>(widget()); }
};

QAccessibleInterface* Factory(const QString& className, QObject* object)
{
    auto* list = qobject_cast<QComboBox*>(object);
    if (className != QLatin1String("QComboBox") || !list || list->isEditable())
        return nullptr;
    return new NamedPullDownList(list);
}

} // namespace

void ReadPullDownListsByName()
{
    static bool installed = false;
    if (!installed)
        QAccessible::installFactory(Factory);
    installed = true;
}

} // namespace platform
