// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Message boxes, questions and the guard around every command. Tests answer the questions
// through DialogAnswers instead of a person.

#include <QString>

#include <functional>

class QWidget;

// A plain message box with OK and no icon, titled "Fendro".
void ShowMsg(const QString& text);

// The same with a caption of its own and the information icon.
void ShowInfoMsg(const QString& text, const QString& caption);

// A question with Yes and No and the question icon; true on Yes.
bool AskYesNo(const QString& text, const QString& caption);

// Runs a command; an error it leaves uncaught ends it and is shown in the error box.
void RunGuarded(const std::function<void()>& command);

// The window that message boxes belong to.
void SetMessageParent(QWidget* parent);
