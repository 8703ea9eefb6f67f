// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/des_form.h"

#include "core/settings_files.h"
#include "shell/settings_commands.h"
#include "ui/latin1_text.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTextCursor>

namespace psn {
namespace {

constexpr int kMaxDescription = 255;

// The length the record counts: every line break takes two characters.
int StoredLength(const QString& text) {
    return static_cast<int>(text.size() + text.count('\n'));
}

// A character the game's strings hold, by the one encoding of game text.
bool Storable(QChar c) {
    return c == '\n' || FromGameBytes(ToGameBytes(QString(c))) == QString(c);
}

// What the box would hold as typed text: one kind of line break.
QString Typed(QString text) {
    return text.replace("\r\n", "\n").replace('\r', '\n').replace(QChar::ParagraphSeparator, '\n');
}

// The description box refuses what the record cannot store, as the user types, pastes or drops
// it: a character without a byte of its own, and anything beyond 255 stored characters. The text
// and the cursor stay as they were.
class DescriptionBox : public QPlainTextEdit {
public:
    using QPlainTextEdit::QPlainTextEdit;

protected:
    void keyPressEvent(QKeyEvent* event) override {
        const bool lineBreak = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
        const QString text = lineBreak ? QString("\n") : event->text();
        if ((lineBreak || (!text.isEmpty() && text.at(0).isPrint())) && !Takes(text)) {
            event->accept();
            QApplication::beep();
            return;
        }
        QPlainTextEdit::keyPressEvent(event);
    }
    void insertFromMimeData(const QMimeData* source) override {
        if (source->hasText() && !Takes(Typed(source->text()))) {
            QApplication::beep();
            return;
        }
        QPlainTextEdit::insertFromMimeData(source);
    }
    void inputMethodEvent(QInputMethodEvent* event) override {
        if (!event->commitString().isEmpty() && !Takes(event->commitString())) {
            QApplication::beep();
            event->setCommitString({});
        }
        QPlainTextEdit::inputMethodEvent(event);
    }

private:
    // Whether `text`, put in place of the selection, can be stored.
    bool Takes(const QString& text) const {
        for (const QChar c : text)
            if (!Storable(c))
                return false;
        const QString replaced = Typed(textCursor().selectedText());
        return StoredLength(toPlainText()) - StoredLength(replaced) + StoredLength(text) <=
               kMaxDescription;
    }
};

} // namespace

TDesForm::TDesForm(AppContext& context, QWidget* parent) : QDialog(parent), context_(context) {
    setWindowTitle(tr("Settings description"));
    setFixedSize(572, 313);

    Memo1 = new DescriptionBox(this);
    Memo1->setObjectName("Memo1");
    Memo1->setGeometry(3, 8, 561, 206);
    // Saved into the settings file as it stands, so the same in every language.
    Memo1->setPlainText("no description");
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setTabChangesFocus(true);
    connect(Memo1, &QPlainTextEdit::textChanged, this, &TDesForm::Memo1Change);

    Button1 = new QPushButton(tr("Save settings"), this);
    Button1->setObjectName("Button1");
    Button1->setGeometry(11, 229, 125, 43);
    Button1->setFocusPolicy(Qt::ClickFocus);
    Button1->setAutoDefault(false);
    connect(Button1, &QPushButton::clicked, this, &TDesForm::Button1Click);

    BitBtn1 = new QPushButton(tr("Back"), this);
    BitBtn1->setObjectName("BitBtn1");
    BitBtn1->setGeometry(238, 258, 79, 43);
    BitBtn1->setAutoDefault(false);
    QFont bold = BitBtn1->font();
    bold.setBold(true);
    BitBtn1->setFont(bold);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);

    Memo1->setFocus();
    setFocusProxy(Memo1);
}

QString TDesForm::Text() const {
    return Memo1->toPlainText();
}

void TDesForm::ShowRecordDescription() {
    const QSignalBlocker blocker(Memo1);
    QString text = FromGameBytes(SettingsDescription(context_.state.record));
    Memo1->setPlainText(text.replace("\r\n", "\n"));
}

// Text set by the program, or inserted past the box's own checks, is cut to what the record
// stores; the cursor stays where it was as far as the text reaches.
void TDesForm::Memo1Change() {
    const QString text = Memo1->toPlainText();
    QString kept;
    int length = 0;
    for (const QChar c : text) {
        if (!Storable(c))
            continue;
        const int cost = c == '\n' ? 2 : 1;
        if (length + cost > kMaxDescription)
            break;
        kept += c;
        length += cost;
    }
    if (kept == text)
        return;
    const int position = Memo1->textCursor().position();
    const QSignalBlocker blocker(Memo1);
    Memo1->setPlainText(kept);
    QTextCursor cursor = Memo1->textCursor();
    cursor.setPosition(std::min(position, static_cast<int>(kept.size())));
    Memo1->setTextCursor(cursor);
}

void TDesForm::Button1Click() {
    if (SaveSettings(context_, this, Text(), false))
        emit SettingsFileChosen();
}

} // namespace psn
