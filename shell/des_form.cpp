#include "shell/des_form.h"

#include "core/settings_files.h"
#include "shell/game_actions.h"
#include "shell/settings_commands.h"

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

} // namespace

TDesForm::TDesForm(AppContext& context, QWidget* parent) : QDialog(parent), context_(context) {
    setWindowTitle("Settings description");
    setFixedSize(572, 313);

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName("Memo1");
    Memo1->setGeometry(3, 8, 561, 206);
    Memo1->setPlainText("no description");
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setTabChangesFocus(true);
    connect(Memo1, &QPlainTextEdit::textChanged, this, &TDesForm::Memo1Change);

    Button1 = new QPushButton("Save settings", this);
    Button1->setObjectName("Button1");
    Button1->setGeometry(11, 229, 125, 43);
    Button1->setFocusPolicy(Qt::ClickFocus);
    Button1->setAutoDefault(false);
    connect(Button1, &QPushButton::clicked, this, &TDesForm::Button1Click);

    BitBtn1 = new QPushButton("Back", this);
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

void TDesForm::Memo1Change() {
    const QString text = Memo1->toPlainText();
    if (StoredLength(text) <= kMaxDescription)
        return;
    // Typing or pasting past the limit keeps the first 255 stored characters, as a limited box.
    QString kept;
    int length = 0;
    for (const QChar c : text) {
        const int cost = c == '\n' ? 2 : 1;
        if (length + cost > kMaxDescription)
            break;
        kept += c;
        length += cost;
    }
    const QSignalBlocker blocker(Memo1);
    Memo1->setPlainText(kept);
    Memo1->moveCursor(QTextCursor::End);
}

void TDesForm::Button1Click() {
    if (SaveSettings(context_, this, Text(), false))
        emit SettingsFileChosen();
}

} // namespace psn
