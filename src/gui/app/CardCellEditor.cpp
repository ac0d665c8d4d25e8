// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/CardCellEditor.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QValidator>

#include <utility>

namespace {

// The line edit's own check of its whole text, which covers typing, pasting and input methods.
class CellTextValidator : public QValidator {
public:
    CellTextValidator(int col, std::function<bool(int, const QString&)> accepts, QObject* parent)
        : QValidator(parent), col_(col), accepts_(std::move(accepts)) {}

    State validate(QString& text, int&) const override {
        return accepts_(col_, text) ? Acceptable : Invalid;
    }

private:
    int col_;
    std::function<bool(int, const QString&)> accepts_;
};

} // namespace

CardCellEdit::CardCellEdit(int col, QWidget* parent) : QLineEdit(parent), col_(col) {
    // Dropped text would bypass the filter.
    setAcceptDrops(false);
}

void CardCellEdit::FilteredInsert(const QString& text) {
    QString remaining = this->text();
    if (hasSelectedText()) {
        remaining.remove(selectionStart(), selectedText().size());
    }
    const QString allowed = pasteFilter ? pasteFilter(col_, remaining, text) : QString();
    if (!allowed.isEmpty() || hasSelectedText()) {
        insert(allowed);
    }
}

void CardCellEdit::FilteredPaste(bool selection) {
    const QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr || isReadOnly()) {
        return;
    }
    FilteredInsert(clipboard->text(selection ? QClipboard::Selection : QClipboard::Clipboard));
}

namespace {
bool IsRedoKey(const QKeyEvent* key) {
    return key->matches(QKeySequence::Redo) ||
           key->keyCombination() == QKeyCombination(Qt::ControlModifier, Qt::Key_Y);
}
} // namespace

bool CardCellEdit::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride && IsRedoKey(static_cast<QKeyEvent*>(event))) {
        event->accept();
        return true;
    }
    return QLineEdit::event(event);
}

void CardCellEdit::keyPressEvent(QKeyEvent* event) {
    if (IsRedoKey(event)) {
        redo();
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void CardCellEdit::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createStandardContextMenu();
    if (auto* paste = menu->findChild<QAction*>(QStringLiteral("edit-paste"))) {
        disconnect(paste, &QAction::triggered, nullptr, nullptr);
        connect(paste, &QAction::triggered, this, [this] { FilteredPaste(false); });
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

void CardCellEdit::mouseReleaseEvent(QMouseEvent* event) {
    const QClipboard* clipboard = QGuiApplication::clipboard();
    if (event->button() == Qt::MiddleButton && clipboard != nullptr &&
        clipboard->supportsSelection()) {
        FilteredPaste(true);
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void CardCellEdit::inputMethodEvent(QInputMethodEvent* event) {
    if (event->commitString().isEmpty()) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    QString remaining = text();
    if (hasSelectedText()) {
        remaining.remove(selectionStart(), selectedText().size());
    }
    QInputMethodEvent filtered(event->preeditString(), event->attributes());
    filtered.setCommitString(pasteFilter ? pasteFilter(col_, remaining, event->commitString())
                                         : QString(),
                             event->replacementStart(), event->replacementLength());
    QLineEdit::inputMethodEvent(&filtered);
}

QWidget* CardCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                        const QModelIndex& index) const {
    ++editorsCreated_;
    auto* edit = new CardCellEdit(index.column(), parent);
    edit->setFrame(false);
    edit->pasteFilter = onPaste;
    if (acceptsText) {
        edit->setValidator(new CellTextValidator(index.column(), acceptsText, edit));
    }
    // Each change reaches the model at once, as the grid's own editor does.
    connect(edit, &QLineEdit::textEdited, this,
            [self = const_cast<CardCellDelegate*>(this), edit] { emit self->commitData(edit); });
    return edit;
}

void CardCellDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    auto* edit = qobject_cast<QLineEdit*>(editor);
    const QString text = index.data(Qt::EditRole).toString();
    // Rewriting an unchanged text would move the cursor to the end on every key.
    if (edit != nullptr && edit->text() == text) {
        return;
    }
    QStyledItemDelegate::setEditorData(editor, index);
}

namespace {
bool IsPrintable(const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F) {
            return false;
        }
    }
    return !text.isEmpty();
}
} // namespace

bool CardCellDelegate::eventFilter(QObject* object, QEvent* event) {
    auto* edit = qobject_cast<CardCellEdit*>(object);
    if (edit == nullptr || event->type() != QEvent::KeyPress) {
        return QStyledItemDelegate::eventFilter(object, event);
    }
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->matches(QKeySequence::Paste)) {
        edit->FilteredPaste(false);
        return true;
    }
    std::u32string keys;
    if (key->key() == Qt::Key_Backspace) {
        keys = U"\b";
    } else if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        keys = U"\r";
    } else if (key->key() != Qt::Key_Delete &&
               !(key->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) &&
               IsPrintable(key->text())) {
        for (const char32_t c : key->text().toUcs4()) {
            keys.push_back(c);
        }
    }
    std::u32string entered;
    for (char32_t c : keys) {
        if (onKeyPress) {
            onKeyPress(c);
        }
        if (c == 0) {
            return true; // dropped
        }
        entered.push_back(c);
    }
    if (entered != keys) {
        // The handler turned the key into another character (a comma into a point).
        edit->insert(QString::fromStdU32String(entered));
        return true;
    }
    return QStyledItemDelegate::eventFilter(object, event);
}
