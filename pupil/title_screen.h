#pragma once

#include <QFrame>

#include <memory>

namespace Ui {
class TitleScreen;
}

// The title screen (panel P1): the name of the exercise, the banner, the
// photograph of the apparatus, and «Открыть задание…» (the main window
// answers it) in the place of the credit line, left empty: there is no portal
// to credit.
class TitleScreen : public QFrame {
    Q_OBJECT

public:
    explicit TitleScreen(QWidget *parent = nullptr);
    ~TitleScreen() override;

    Ui::TitleScreen &ui() { return *ui_; }

private:
    std::unique_ptr<Ui::TitleScreen> ui_;
};
