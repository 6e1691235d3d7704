// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/qt/control_description.h"

#include "res/window_styles.h"
#include "ui/base/control_kind.h"
#include "ui/base/dialog.h"
#include "ui/base/help_dialog.h"
#include "ui/qt/control_widgets.h"
#include "ui/host/help_library.h"
#include "ui/qt/help_html.h"
#include "ui/qt/qt_text.h"

namespace {

bool IsTextLabel(const LiveWindow& window)
{
    return ControlKindOf(window) == ControlKind::Label && !window.text().empty();
}

bool IsUsableId(int32_t id)
{
    return id >= 1 && id != 0xFFFF;
}

// The context a control's topic is filed under. Help requests for a control without an id of
// its own resolve to the next tab stop that has one, so its description does the same.
uint32_t TopicContext(const LiveWindow& window)
{
    const uint32_t templateId = window.dialog().templateId();
    if (IsUsableId(window.id()))
        return HelpContextId(templateId, window.id());
    const auto& siblings = window.parent()->children();
    size_t self = 0;
    while (siblings[self].get() != &window)
        ++self;
    for (size_t step = 1; step < siblings.size(); ++step) {
        const LiveWindow& next = *siblings[(self + step) % siblings.size()];
        if ((next.style() & WS_TABSTOP) && IsUsableId(next.id()))
            return HelpContextId(templateId, next.id());
    }
    return HelpContextId(templateId, window.id());
}

// What a screen reader calls a control: its caption, or for a field or list, the label before it.
QString AccessibleName(const LiveWindow& window)
{
    if (window.kind() == WindowKind::Button || window.kind() == WindowKind::Static)
        return WithoutMnemonic(ToQString(window.text()));
    const LiveWindow* label = nullptr;
    for (const auto& sibling : window.parent()->children()) {
        if (sibling.get() == &window)
            break;
        label = IsTextLabel(*sibling) ? sibling.get() : (TakesInput(ControlKindOf(*sibling)) ? nullptr : label);
    }
    return label ? WithoutMnemonic(ToQString(label->text())) : QString();
}

}   // namespace

void DescribeControl(QWidget& widget, const LiveWindow& control, HelpLibrary& help)
{
    const HelpTopic* topic = help.FindTopic(TopicContext(control));
    widget.setWhatsThis(TopicHtml(topic, help));
    // A field without a label of its own (a list inside a group box, the filter letter beside the
    // filter type) is called what its help topic calls it.
    QString name = AccessibleName(control);
    if (name.isEmpty() && topic)
        name = QString::fromStdString(topic->title);
    widget.setAccessibleName(name);
    if (topic)
        widget.setAccessibleDescription(TopicPlainText(*topic));
}
