#pragma once
// The scroll shaft: two end buttons that repeat while held, a track and a
// knob that can be dragged. It can drive a thumbnail panel directly.
#include "TProgressCompo.h"
#include "TRammeX.h"

#include <QImage>
#include <QTimer>
#include <QWidget>

namespace kv {

class TKnapPan;

enum TOverRul { orDec, orInc, orPos, orOut, orFocus, orOver };

class TRulskakt : public QWidget {
    Q_OBJECT
public:
    explicit TRulskakt(QWidget* parent = nullptr);

    int PosMin = 0;
    int Step = 1;
    int PosKnapMin = 4;
    bool PosKnapDim = false;
    TCompoOrientering Orientering = coLodret;
    TRammeX RammeKnap, RammePos;
    TRammeIndreX RammeIndre;
    TRammeGrundX RammeYdre;
    bool MedMark = false;
    QColor MarkFarve = Qt::black;
    int MarkMargen = 3;
    QImage BitmapPos, BitmapPosA;
    int TimerDelay = 400;
    int TimerInterval = 100;
    TKnapPan* Component = nullptr;
    bool CompoFunktion = false;
    bool FocusOver = true;
    bool NoOverFocus = false;
    // The pointer's shape over the end buttons and the knob.
    Qt::CursorShape CursorOver = Qt::ArrowCursor;

    int PosMax() const { return m_posMax; }
    int PosVisible() const { return m_posVisible; }
    int Position() const { return m_position; }
    void setPosMax(int v);
    void setPosVisible(int v);
    void setPosition(int v);
    void NyPosition(int nyPos);
    void NyePos(int posVis, int posMaximum, int nyPos);
    // A turn of the mouse wheel: Step for each whole notch up or down.
    void hjul(QPoint vinkel);

    // Where the parts lie, along the shaft's axis as it is drawn now.
    struct Geometri {
        QRect dec, inc, spor, knap;
        double pixelPrTrin = 0;
    };
    Geometri geometri() const;
    QTimer& repeatTimer() { return m_timer; }

signals:
    void OnPosition(int position);
    void OnMusOver(kv::TOverRul over);
    void OnMusNede(kv::TOverRul over);
    void OnMusOp(kv::TOverRul over);

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void leaveEvent(QEvent*) override;
    void keyPressEvent(QKeyEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;
    bool event(QEvent* e) override;

private:
    TOverRul delVed(QPoint p) const;
    int akse(QPoint p) const { return Orientering == coLodret ? p.y() : p.x(); }
    void flyt(int delta);
    void saetOgMeld(int v);
    void gentag();
    void tegnMark(QPainter& p, const QRect& r, bool frem) const;

    int m_posMax = 10;
    int m_posVisible = 11;
    int m_position = 0;
    TOverRul m_nede = orOut;    // the pressed part, orOut for none
    TOverRul m_over = orOut;    // the part under the pointer
    int m_traekStart = 0, m_traekPos = 0;
    int m_hjulRest = 0;  // eighths of a degree short of a whole notch
    QTimer m_timer;
};

} // namespace kv
