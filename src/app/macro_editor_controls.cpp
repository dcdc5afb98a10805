#include "app/macro_editor_controls.h"

#include "app/editable_list_box.h"
#include "app/qt_rect.h"
#include "app/ui_texts.h"

#include <QPalette>
#include <QSignalBlocker>

namespace zantor::app {
namespace {

QLineEdit* makeField(QWidget* parent, const char* name) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setAlignment(Qt::AlignCenter);
    field->setFrame(false);
    return field;
}

void setRows(QListWidget& list, const std::vector<std::string>& rows) {
    bool same = list.count() == int(rows.size());
    for (int i = 0; same && i < list.count(); ++i)
        same = list.item(i)->text() == qs(rows[std::size_t(i)]);
    if (same)
        return;
    list.clear();
    for (const std::string& row : rows)
        list.addItem(qs(row));
}

void select(QListWidget& list, int row) {
    if (row >= 0 && row < list.count()) {
        list.setCurrentRow(row);
        list.scrollToItem(list.item(row));
    } else {
        list.setCurrentRow(-1);
        list.clearSelection();
    }
}

} // namespace

// The controls sit on the skin as white text on black.
QPalette controlPalette(QPalette palette) {
    for (const auto role : {QPalette::Base, QPalette::Window, QPalette::AlternateBase})
        palette.setColor(role, Qt::black);
    for (const auto role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
        palette.setColor(role, Qt::white);
    palette.setColor(QPalette::Button, QColor(48, 52, 58));
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(128, 128, 128));
    return palette;
}

MacroEditorControls::MacroEditorControls(QWidget* parent)
    : repeatField(makeField(parent, "repeatCount")), nameField(makeField(parent, "macroName")),
      macroList(new QListWidget(parent)), eventList(new CEditableListBox(parent)) {
    // The name field of a record holds 19 UTF-16 units and its ending zero.
    nameField->setMaxLength(int(macro::kMaxNameUnits));
    repeatField->setMaxLength(6);
    macroList->setObjectName("macroList");
    eventList->setObjectName("eventList");
    const QPalette palette = controlPalette(parent->palette());
    for (QWidget* control : {static_cast<QWidget*>(repeatField), static_cast<QWidget*>(nameField),
                             static_cast<QWidget*>(macroList), static_cast<QWidget*>(eventList)}) {
        control->setPalette(palette);
        control->setAutoFillBackground(true);
    }
    for (QListWidget* list : {macroList, static_cast<QListWidget*>(eventList)}) {
        list->setFrameShape(QFrame::NoFrame);
        list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        list->setSelectionMode(QAbstractItemView::SingleSelection);
    }
    setVisible(false);
}

void MacroEditorControls::place(const skin::SkinLayout& layout, const QRect& window) {
    repeatField->setGeometry(clippedRect(layout.editRect3.rect, window));
    nameField->setGeometry(clippedRect(layout.editRect4.rect, window));
    macroList->setGeometry(clippedRect(layout.listRect1.rect, window));
    eventList->setGeometry(clippedRect(layout.listRect2.rect, window));
}

void MacroEditorControls::setFont(const QFont& font) {
    for (QWidget* control : {static_cast<QWidget*>(repeatField), static_cast<QWidget*>(nameField),
                             static_cast<QWidget*>(macroList), static_cast<QWidget*>(eventList)})
        control->setFont(font);
}

void MacroEditorControls::setVisible(bool visible) {
    if (!visible)
        eventList->endEdit(true);
    for (QWidget* control : {static_cast<QWidget*>(repeatField), static_cast<QWidget*>(nameField),
                             static_cast<QWidget*>(macroList), static_cast<QWidget*>(eventList)})
        control->setVisible(visible);
}

void MacroEditorControls::show(const macro::EditorView& view) {
    const QSignalBlocker blockMacros(macroList);
    const QSignalBlocker blockEvents(eventList);
    setRows(*macroList, view.macroRows);
    select(*macroList, view.macroSelection);
    setRows(*eventList, view.eventRows);
    select(*eventList, view.eventSelection);
    if (nameField->text() != qs(view.nameField))
        nameField->setText(qs(view.nameField));
    repeatField->setText(qs(view.repeatField));
    repeatField->setEnabled(view.repeatEnabled);
}

} // namespace zantor::app
