#pragma once

// Shared by two engineers: the form/bindings side (experiment_screen.cpp,
// experiment_bindings.cpp, experiment_screen.ui) and the handler side
// (experiment_handlers.cpp and the controls' own widgets). Add members in
// your own section; keep the names of the handlers.

#include "bench_state.h"
#include "number_text.h"
#include "scene.h"

#include <QTimer>
#include <QWidget>

#include <memory>

namespace Ui {
class ExperimentScreen;
}
class TImage;

// The experiment screen (panel P3): the bench canvas with its click targets
// and angle marker, and the inputs and read-outs below it. It owns the bench
// state and the scene; every handler changes the state and calls paint_st.
class ExperimentScreen : public QWidget, private bench::SceneBindings {
    Q_OBJECT

public:
    explicit ExperimentScreen(const bench::NumberFormat &format, QWidget *parent = nullptr);
    ~ExperimentScreen() override;

    // Renders the whole bench from the state and shows it.
    void paint_st();

    bench::TBenchState &state() { return state_; }
    const bench::TBenchState &state() const { return state_; }
    bench::BenchScene &scene() { return scene_; }
    Ui::ExperimentScreen &ui() { return *ui_; }

    // ---- handlers (experiment_handlers.cpp) ----
    void Img_vizirMouseDown(Qt::MouseButton button, QPoint pos);
    void Img_vizirMouseMove(QPoint pos);
    void Img_vizirMouseUp();

    void Img_dl_dnMouseDown(Qt::MouseButton button);
    void Img_dl_dnClick();
    void Img_dl_dnMouseUp();
    void Timer_lTimer();
    void Img_dl_upMouseDown(Qt::MouseButton button);
    void Img_dl_upClick();
    void Img_dl_upMouseUp();
    void Timer_rTimer();

    void SpinButton1UpClick();
    void SpinButton1DownClick();

    // Img0Click, Img1uClick .. Img8uClick, Img1dClick .. Img8dClick all select
    // an order (0, 1..8, -1..-8) and render.
    void selectOrder(int order);
    void Img1uClick() { selectOrder(1); }

    void Button6Click();

private:
    // ---- form and bindings side (experiment_screen.cpp, experiment_bindings.cpp) ----
    QString wavelengthText() const override;
    QString distanceText() const override;
    void setDistanceText(const QString &text) override;
    void setOrderText(const QString &text) override;
    QPoint sliderTopLeft() const override;
    QPoint stripTopLeft() const override;
    void setTargetRect(int index, const QRect &rect) override;
    void setArcUpVisible(bool visible) override;
    void setArcDownVisible(bool visible) override;
    void setPhiTop(int top) override;

    std::unique_ptr<Ui::ExperimentScreen> ui_;
    bench::NumberFormat format_;
    bench::TBenchState state_;
    bench::BenchScene scene_;

    // ---- handler side (experiment_handlers.cpp) ----
    void connectHandlers(); // called once by the constructor, after setupUi
    QTimer Timer_l;
    QTimer Timer_r;

    // An arrow's auto-repeat starts after a short delay, and only if the
    // mouse button that pressed the arrow is still down by then.
    struct ArrowHold {
        QTimer delay;
        bool held = false;
    };
    ArrowHold hold_l_;
    ArrowHold hold_r_;
    void setSliderLeft(int left);
    void stepWavelength(int delta, QTimer *repeat);
    void pressArrow(TImage &arrow, const TImage &pressedLook, ArrowHold &hold);
    void releaseArrow(TImage &arrow, const TImage &releasedLook, ArrowHold &hold, QTimer &repeat);
    void showGrating();
};
