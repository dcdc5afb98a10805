#pragma once

#include "macro/macro_editor.h"
#include "skin/skin_layout.h"

#include <QLineEdit>
#include <QListWidget>

namespace zantor::app {

class CEditableListBox;

// The macro editor's four controls on the advanced page: repeat count (10004), new macro name
// (10000), macro list (10001) and event list (10002).
struct MacroEditorControls {
    explicit MacroEditorControls(QWidget* parent);

    // Each control on its rectangle of the layout, cut to the window.
    void place(const skin::SkinLayout& layout, const QRect& window);
    void setFont(const QFont& font);
    void setVisible(bool visible);
    // What the editor's view says; the macro list's selection change is not reported.
    void show(const macro::EditorView& view);

    QLineEdit* repeatField;
    QLineEdit* nameField;
    QListWidget* macroList;
    CEditableListBox* eventList;
};

} // namespace zantor::app
