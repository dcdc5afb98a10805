#include "app/editable_list_box.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace zantor::app {

CEditHelper::CEditHelper(CEditableListBox* list) : QLineEdit(list->viewport()), list_(list) {}

void CEditHelper::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        list_->endEdit(true);
        return;
    case Qt::Key_Escape:
        list_->endEdit(false);
        return;
    default:
        QLineEdit::keyPressEvent(event);
    }
}

void CEditHelper::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    list_->endEdit(true);
}

CEditableListBox::CEditableListBox(QWidget* parent) : QListWidget(parent) {
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
}

void CEditableListBox::openEdit(int row) {
    if (row < 0 || row >= count())
        return;
    endEdit(true);
    QListWidgetItem* rowItem = item(row);
    scrollToItem(rowItem);
    const QRect rect = visualItemRect(rowItem).adjusted(0, -2, 0, 2);
    edit_ = new CEditHelper(this);
    edit_->setFont(font());
    edit_->setGeometry(rect);
    edit_->setText(rowItem->text());
    edit_->selectAll();
    edit_->show();
    edit_->setFocus();
    editRow_ = row;
}

void CEditableListBox::endEdit(bool keep) {
    if (!edit_ || editRow_ < 0)
        return;
    const int row = editRow_;
    editRow_ = -1; // first: the field's focus-out on its way out must find no edit open
    CEditHelper* field = edit_;
    edit_ = nullptr;
    const QString text = field->text();
    if (keep && row < count() && item(row)->text() != text)
        item(row)->setText(text);
    field->hide();
    field->deleteLater();
    setFocus();
    emit editEnded(row, row < count() ? item(row)->text() : text, keep);
}

void CEditableListBox::keyPressEvent(QKeyEvent* event) {
    // Ctrl+A (character 1) opens the edit on the selected row.
    if (event->key() == Qt::Key_A && event->modifiers() == Qt::ControlModifier) {
        openEdit(currentRow());
        return;
    }
    QListWidget::keyPressEvent(event);
}

void CEditableListBox::mouseReleaseEvent(QMouseEvent* event) {
    QListWidget::mouseReleaseEvent(event);
    if (event->button() == Qt::RightButton)
        emit rightReleased(event->position().toPoint());
}

void CEditableListBox::scrollContentsBy(int dx, int dy) {
    endEdit(true);
    QListWidget::scrollContentsBy(dx, dy);
}

void CEditableListBox::resizeEvent(QResizeEvent* event) {
    endEdit(true);
    QListWidget::resizeEvent(event);
}

} // namespace zantor::app
