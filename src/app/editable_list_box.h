#pragma once

#include <QLineEdit>
#include <QListWidget>
#include <QPointer>

namespace zantor::app {

class CEditableListBox;

// The in-place edit field of a CEditableListBox: Return and losing the focus keep the text,
// Escape discards it.
class CEditHelper final : public QLineEdit {
    Q_OBJECT
public:
    explicit CEditHelper(CEditableListBox* list);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    CEditableListBox* list_;
};

// A list box whose rows can be edited in place; the event list of the macro editor.
class CEditableListBox final : public QListWidget {
    Q_OBJECT
public:
    explicit CEditableListBox(QWidget* parent);

    // Opens the edit field on `row`, with all of the row's text selected.
    void openEdit(int row);
    // Ends an open edit; with `keep`, a changed text replaces the row's.
    void endEdit(bool keep);
    int editRow() const { return editRow_; }
    CEditHelper* editField() const { return edit_; }

signals:
    // After every end of an edit: the row and its text now.
    void editEnded(int row, const QString& text, bool keep);
    // A right-button release at `position` (viewport coordinates).
    void rightReleased(QPoint position);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QPointer<CEditHelper> edit_;
    int editRow_ = -1;
};

} // namespace zantor::app
