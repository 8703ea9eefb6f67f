// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// "Pit line settings": the pit order by drag and drop, the pit speed limit and its check.
#pragma once

#include "editors/pitline_model.h"
#include "ui/app_context.h"

#include <QDialog>
#include <QPoint>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QScrollBar;

namespace psn {

class TPitLineForm : public QDialog {
    Q_OBJECT
public:
    explicit TPitLineForm(AppContext& context, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormShow();
    void FillOrderList();
    void CheckBox951Click();
    void EnableSpeed(bool on);
    void ScrollBar1Change();
    void ShowSpeeds();
    void ListBox1MouseDown(const QPoint& at);
    bool ListBox1DragOver(QObject* source) const;
    void ListBox1DragDrop(const QPoint& at);
    void ListBox1EndDrag();
    void BitBtn4Click();
    void BitBtn2Click();

    AppContext& context_;
    PitLineModel model_; // row i shows the team at pit position model_.Position(i)
    QListWidget* listBox1_;
    QLabel* exitLabel_;
    QScrollBar* scrollBar1_;
    QLineEdit* edit1_;
    QLineEdit* edit2_;
    QCheckBox* checkBox951_;

    int dragRow_ = -1; // the row a left press started on, -1 when none
    QPoint pressedAt_;
    bool dragging_ = false;
};

} // namespace psn
