#pragma once

#include <QFrame>

#include <memory>

namespace Ui {
class ProcedureScreen;
}

// The procedure screen (panel P2): the theory with its formulas laid over
// the blank runs of the text, and the steps of the exercise. Static.
class ProcedureScreen : public QFrame {
    Q_OBJECT

public:
    explicit ProcedureScreen(QWidget *parent = nullptr);
    ~ProcedureScreen() override;

    Ui::ProcedureScreen &ui() { return *ui_; }

private:
    std::unique_ptr<Ui::ProcedureScreen> ui_;
};
