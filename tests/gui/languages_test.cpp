// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The windows in each language the editor ships: the language the desktop asks for is chosen,
// every text a window shows is translated, and every text fits its control at any font size.
#include "all_windows.h"
#include "shell/des_form.h"
#include "shell/languages.h"
#include "shell/main_form.h"
#include "shell/window_set.h"
#include "shell_fixture.h"
#include "ui/font_scale.h"
#include "widest_record.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <gtest/gtest.h>
#include <memory>
#include <set>

namespace psn::test {
namespace {

TEST(Languages, TheFirstLanguageTheDesktopPrefersThatTheEditorSpeaksIsChosen) {
    ASSERT_EQ(TranslatedLanguages(), QStringList({"de", "fr", "it", "es", "nl"}))
        << "the languages built in";
    const struct {
        QStringList desktop;
        QString chosen;
    } cases[] = {
        {{"de-DE", "en-US"}, "de"},
        {{"de_AT.UTF-8"}, "de"},
        {{"en-GB", "de-DE"}, "en"}, // English first: not the second choice
        {{"pt-BR", "de"}, "de"},    // skipped a language the editor does not speak
        {{"nl-BE", "fr-BE"}, "nl"},
        {{"es-419"}, "es"},
        {{"it"}, "it"},
        {{"pt-BR"}, "en"},
        {{"C"}, "en"},
        {{}, "en"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ChooseLanguage(c.desktop), c.chosen) << c.desktop.join(",").toStdString();
}

TEST(Languages, AnUntranslatedLanguageLeavesTheSourceTexts) {
    const Language none(QStringLiteral("xx"));
    EXPECT_EQ(none.code(), "en");
    const Language english(QStringLiteral("en"));
    EXPECT_EQ(QCoreApplication::translate("psn::EditorButtons", "Back"), "Back");
}

// The window a control sits in; a menu counts as part of the window whose menu bar holds it.
const QObject* WindowOf(const QObject* object) {
    for (object = object->parent(); object; object = object->parent())
        if (const auto* widget = qobject_cast<const QWidget*>(object);
            widget && widget->isWindow() && !qobject_cast<const QMenu*>(widget))
            return widget;
    return nullptr;
}

// Every text a window shows, in the order its controls were made: the title, labels, buttons,
// check and radio boxes, group titles and menu items.
std::vector<std::pair<std::string, QString>> ShownTexts(QWidget* window) {
    std::vector<std::pair<std::string, QString>> texts;
    const std::string name = window->objectName().toStdString();
    texts.emplace_back(name + " title", window->windowTitle());
    for (QObject* object : window->findChildren<QObject*>()) {
        if (WindowOf(object) != window)
            continue; // a control of a window the main window owns
        const std::string where = name + "/" + object->metaObject()->className() + " " +
                                  object->objectName().toStdString();
        if (auto* label = qobject_cast<QLabel*>(object))
            texts.emplace_back(where, label->text());
        else if (auto* button = qobject_cast<QAbstractButton*>(object))
            texts.emplace_back(where, button->text());
        else if (auto* group = qobject_cast<QGroupBox*>(object))
            texts.emplace_back(where, group->title());
        else if (auto* menu = qobject_cast<QMenu*>(object)) {
            texts.emplace_back(where, menu->title());
            for (QAction* action : menu->actions())
                texts.emplace_back(where + " " + action->objectName().toStdString(),
                                   action->text());
        }
    }
    return texts;
}

// Texts that stay as they are: those without words, the game's own names (the edition, the
// cockpit manager's '97 cars) and words the same in every language the editor speaks.
bool StaysAsItIs(const std::string& where, const QString& text) {
    static const std::set<QString> same = {
        "Cockpit", "GRIP",     "Angle",          "&File",
        "&Help",   "&Options", "&Import/Export", "* Brenwick PSN Editor * DEMO *"};
    static const QRegularExpression wordless(QStringLiteral("^[^A-Za-z]*$"));
    // "[*]" is the title's place for the modified mark, not a text.
    return wordless.match(text).hasMatch() || same.count(QString(text).remove("[*]").trimmed()) ||
           where.find("/QLabel EditionLabel") != std::string::npos ||
           where.find("InstCForm/QRadioButton RadioButton") != std::string::npos;
}

TEST(Languages, EveryShownTextIsTranslated) {
    std::vector<std::vector<std::pair<std::string, QString>>> english;
    {
        AllWindows all;
        for (QWidget* window : all.windows)
            english.push_back(ShownTexts(window));
    }
    for (const QString& code : TranslatedLanguages()) {
        const Language language(code);
        ASSERT_EQ(language.code(), code);
        AllWindows all;
        ASSERT_EQ(all.windows.size(), english.size());
        for (std::size_t i = 0; i < all.windows.size(); ++i) {
            const auto texts = ShownTexts(all.windows[i]);
            ASSERT_EQ(texts.size(), english[i].size())
                << all.windows[i]->objectName().toStdString();
            for (std::size_t t = 0; t < texts.size(); ++t) {
                const QString& source = english[i][t].second;
                if (texts[t].second == source && !StaysAsItIs(texts[t].first, source))
                    ADD_FAILURE() << code.toStdString() << ": " << texts[t].first << " \""
                                  << source.toStdString() << "\" is not translated";
            }
        }
    }
}

// A control by its kind, name and text, for messages.
std::string Describe(const QObject* control) {
    QString text;
    if (const auto* label = qobject_cast<const QLabel*>(control))
        text = label->text();
    else if (const auto* button = qobject_cast<const QAbstractButton*>(control))
        text = button->text();
    return std::string(control->metaObject()->className()) + " " +
           control->objectName().toStdString() + " \"" + text.toStdString() + "\"";
}

// Pairs of controls, by their place among the window's controls, that the window places side
// by side in one container and that overlap.
using Overlaps = std::set<std::pair<int, int>>;
Overlaps OverlapsOf(QWidget* window) {
    const QList<QWidget*> all = window->findChildren<QWidget*>();
    QList<int> placed;
    for (int i = 0; i < all.size(); ++i) {
        const QWidget* parent = all[i]->parentWidget();
        const QMetaObject* meta = parent->metaObject();
        if (all[i]->isVisibleTo(window) && !all[i]->isWindow() &&
            (parent == window || qobject_cast<const QGroupBox*>(parent) ||
             meta == &QWidget::staticMetaObject || meta == &QFrame::staticMetaObject))
            placed << i;
    }
    Overlaps pairs;
    for (const int a : placed)
        for (const int b : placed)
            if (a < b && all[a]->parentWidget() == all[b]->parentWidget() &&
                all[a]->geometry().intersects(all[b]->geometry()))
                pairs.insert({a, b});
    return pairs;
}

// Under each language at 9, 12 and 16 pt, with the widest values the game holds, every text fits
// its control in the window's own font size, and controls that grew
// for a longer text cover none they do not cover in English.
TEST(Languages, EveryWindowShowsItsTranslatedTextsWholeAtAnyFontSize) {
    const QFont font = QApplication::font();
    for (const int points : {9, 12, 16}) {
        QApplication::setFont(QFont("DejaVu Sans", points));
        std::vector<Overlaps> english;
        {
            AllWindows all;
            for (QWidget* window : all.windows) {
                window->show();
                english.push_back(OverlapsOf(window));
                window->hide();
            }
        }
        for (const QString& code : TranslatedLanguages()) {
            const Language language(code);
            AllWindows all;
            all.f.game.state.record = WidestRecord(all.f.game.state.record);
            for (std::size_t i = 0; i < all.windows.size(); ++i) {
                QWidget* window = all.windows[i];
                window->show();
                const std::string where = code.toStdString() + " " + std::to_string(points) +
                                          " pt: " + window->metaObject()->className() + "/";
                const QList<QWidget*> controls = window->findChildren<QWidget*>();
                for (const auto& [a, b] : OverlapsOf(window))
                    EXPECT_TRUE(english[i].count({a, b}))
                        << where << Describe(controls[a]) << " covers " << Describe(controls[b]);
                for (const QWidget* widget : controls) {
                    if (!widget->isVisibleTo(window) || widget->window() != window)
                        continue;
                    EXPECT_LE(TextOverflow(widget), 0)
                        << where << widget->objectName().toStdString();
                    EXPECT_LE(ItemOverflow(widget), 0)
                        << where << widget->objectName().toStdString() << " rows";
                    EXPECT_GE(widget->font().pointSizeF(), window->font().pointSizeF())
                        << where << widget->objectName().toStdString() << " font";
                }
                window->hide();
            }
        }
    }
    QApplication::setFont(font);
}

// Qt's own texts (the standard buttons of message boxes and file dialogs) follow when the
// system has Qt's translations.
TEST(Languages, QtsOwnButtonsFollowTheLanguage) {
    const Language german(QStringLiteral("de"));
    if (!german.hasQtTranslation())
        GTEST_SKIP() << "Qt's German translation is not installed";
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Abbrechen");
}

} // namespace
} // namespace psn::test
