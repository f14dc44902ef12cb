#pragma once
// The framed background of a field panel and the areas inside its frames.
#include "TRammeX.h"

#include <QImage>
#include <QWidget>
#include <memory>

namespace kv {

class TPreFelter : public QWidget {
    Q_OBJECT
public:
    explicit TPreFelter(QWidget* parent = nullptr);

    std::unique_ptr<TRammeGrundX> RammeYdre;
    std::unique_ptr<TRammeIndreX> RammeIndre;
    QImage BitmapGrund, BitmapIndre;
    // Disabled, the background pictures are greyed by a checkerboard.
    bool BitmapUaGray = false;

    QRect indenforYdre() const;
    QRect komponentOmraade() const;
    QRect indenforIndre() const;
    QRect feltOmraade() const;
    // The areas worked out again after a frame changed: the client area
    // the outer frame leaves for child widgets, and what lies inside.
    virtual void beregnOmraader();

protected:
    void paintEvent(QPaintEvent*) override;
    virtual void tegnFelter(QPainter& p);
    // Whether a frame asks for its areas on every paint.
    virtual bool tilpasAlign() const;

private:
    void graaTern(QPainter& p, const QRect& r) const;
    bool m_beregnet = false;
};

} // namespace kv
