// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/qt/accessible_radio_button.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QRadioButton>

#include "ui/qt/qt_text.h"

namespace {

// Qt reports a radio button that is not auto-exclusive as a check box; the model groups ours.
class AccessibleRadioButton : public QAccessibleWidget {
public:
    explicit AccessibleRadioButton(QRadioButton* button) : QAccessibleWidget(button, QAccessible::RadioButton) {}

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = static_cast<const QRadioButton*>(widget())->isChecked();
        return state;
    }

    QString text(QAccessible::Text kind) const override
    {
        QString text = QAccessibleWidget::text(kind);
        if (kind == QAccessible::Name && text.isEmpty())
            text = WithoutMnemonic(static_cast<const QRadioButton*>(widget())->text());
        return text;
    }
};

QAccessibleInterface* RadioButtonFactory(const QString& className, QObject* object)
{
    auto* button = qobject_cast<QRadioButton*>(object);
    if (className != QLatin1String("QRadioButton") || !button || button->autoExclusive())
        return nullptr;
    return new AccessibleRadioButton(button);
}

}   // namespace

void InstallAccessibleRadioButtons()
{
    static const bool installed = [] {
        QAccessible::installFactory(RadioButtonFactory);
        return true;
    }();
    (void)installed;
}
