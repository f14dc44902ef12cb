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

    QRect indenforYdre() const;
    QRect komponentOmraade() const;
    QRect indenforIndre() const;
    QRect feltOmraade() const;

protected:
    void paintEvent(QPaintEvent*) override;
    virtual void tegnFelter(QPainter& p);
};

} // namespace kv
