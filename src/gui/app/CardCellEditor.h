// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The in-place editor of the card grid. Every typed character passes the main window's key
// handler first, and every paste (keyboard, context menu, middle click, input method) is filtered
// the same way, so nothing reaches a cell that the card file could not hold. The editor hands
// each change to the model at once, so a command started from the menu sees what was typed.

#include <QLineEdit>
#include <QStyledItemDelegate>

#include <functional>

class CardCellEdit : public QLineEdit {
    Q_OBJECT
public:
    CardCellEdit(int col, QWidget* parent);

    // Returns what of `pasted` may go in while `remaining` stays in the cell.
    std::function<QString(int col, const QString& remaining, const QString& pasted)> pasteFilter;

    void FilteredInsert(const QString& text);
    void FilteredPaste(bool selection);
    int Column() const { return col_; }

protected:
    // Strg+Y redoes inside the editor on every system, as Strg+Z undoes there.
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

private:
    int col_;
};

class CardCellDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // The key handler: may set the key to 0 to drop it. 8 is backspace, 13 Enter.
    std::function<void(char32_t& key)> onKeyPress;
    std::function<QString(int col, const QString& remaining, const QString& pasted)> onPaste;
    // Whether the editor's whole text may stand after a change; a change that it refuses is
    // taken back, however it was made.
    std::function<bool(int col, const QString& text)> acceptsText;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    // The number of editors opened so far: the changes made while one is open belong together.
    int EditorsCreated() const { return editorsCreated_; }
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;

protected:
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    mutable int editorsCreated_ = 0;
};
