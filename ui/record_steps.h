// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The record's one undo history, connected to the windows. Every user gesture (a press, a key, a
// wheel turn) first records what the gestures before it changed as one step, named after the
// fields that changed; so no window records a step itself. Typing is one gesture from the first
// key in a box until the box is left or the typing pauses, as in a text editor. Commands that
// change the record as a whole (loading, restoring, importing) run inside a StepScope and become
// one step named for the command. Ctrl+Z, Ctrl+Shift+Z and Ctrl+Y undo and redo in every attached
// window; an open window then refills itself from the record. While the record has unsaved edits it
// is kept in a file in the editor folder, at most once a second.
#pragma once

#include "core/record_history.h"
#include "ui/app_context.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <string>
#include <vector>

class QAction;
class QTimer;
class QWidget;

namespace psn {

class RecordSteps : public QObject {
    Q_OBJECT
public:
    // What the history knows of the record's fields, from the floor that lists them.
    struct Fields {
        // Names the change between two records ("Engine power: team 3 qualification").
        std::function<QString(const SettingsRecord& before, const SettingsRecord& after)> name;
        // Copies into `game` the fields of the record that the window titled `window` edits.
        std::function<void(SettingsRecord& game, const SettingsRecord& record,
                           const QWidget& window)>
            copyWindow;
        // Whether two records hold the same for the game (the description is no game value).
        SavedRecords::Same sameInGame;
    };

    // Takes the record as it stands as what the game holds, and attaches itself to `context`.
    RecordSteps(AppContext& context, Fields fields, QObject* parent = nullptr);
    ~RecordSteps() override;

    // Undo and redo (with their keys) for a menu; the keys work in every attached window.
    QAction* UndoAction() const { return undo_; }
    QAction* RedoAction() const { return redo_; }
    void Attach(QWidget* window);

    // Records what changed since the last step, named by the namer.
    void Flush();
    void Undo();
    void Redo();
    const RecordHistory& History() const { return history_; }

    // The record differs from both the game and the current settings file.
    bool Modified() const;
    // The whole record is what the game holds (read at the start, imported or exported whole).
    void GameMatches();
    // A window imported or exported its own fields.
    void WindowMatchesGame(const QWidget& window);
    // The record is what the current settings file holds; without one, forgets the file.
    void FileMatches();

    // Keeps unsaved edits in `path` from now on; RemoveKept ends that at a normal end.
    void KeepUnsavedEdits(std::string path);
    void RemoveKept();

signals:
    // A step was recorded, undone or redone, or the modified state may have changed.
    void Changed();
    // Undo or redo put another record in place; with another settings description or not.
    void Restored(bool descriptionChanged);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend class StepScope;
    void Step(const QString& name);
    void Absorb();
    void Put(const SettingsRecord& record);
    void Update();
    void WriteKept();
    bool Attached(QObject* object) const;
    void EndTyping();

    AppContext& context_;
    Fields fields_;
    RecordHistory history_;
    SavedRecords saved_;
    int scopes_ = 0; // open StepScopes: their changes wait for their own name
    QAction* undo_;
    QAction* redo_;
    std::vector<QPointer<QWidget>> windows_;
    std::string keptPath_;
    QElapsedTimer lastKept_;
    QTimer* keepTimer_;
    QPointer<QWidget> typing_; // the box being typed in, whose keys make one step
    QTimer* typingPause_;
};

// Makes a shown window fill its controls from the record again, as showing it does, where it
// stands and at its size.
void RefillWindow(QWidget* window);

// A command that changes the record as a whole: what changed before it is a step of its own, and
// what it changes is one step named `name`; with an empty name (a command that writes the game,
// which undo does not take back) its change is no step. Without a history (a window opened by
// itself in a test) it does nothing.
class StepScope {
public:
    StepScope(AppContext& context, QString name);
    ~StepScope();
    StepScope(const StepScope&) = delete;
    StepScope& operator=(const StepScope&) = delete;
    void Rename(QString name) { name_ = std::move(name); }

private:
    RecordSteps* steps_;
    QString name_;
};

} // namespace psn
