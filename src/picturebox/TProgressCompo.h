#pragma once
// A progress bar that redraws only when it has moved by a whole step.
#include "TRammeX.h"
#include "TTekstX.h"

#include <QImage>
#include <QWidget>
#include <memory>

namespace kv {

enum TCompoOrientering { coVandret, coLodret };

class TProgressCompo : public QWidget {
    Q_OBJECT
public:
    explicit TProgressCompo(QWidget* parent = nullptr);

    int Min = 0;
    int Max = 100;
    int Trin = 5;
    QColor ColorStep = Qt::blue;
    // When set, stretched over the bar instead of ColorStep.
    QImage StepBitmap;
    TCompoOrientering Orientering = coVandret;
    // Growing, the whole bar is painted anew, else only the part it grew by.
    bool Opfrisk = false;
    // The text is written only with a text style.
    std::unique_ptr<TTekstX> TekstBog;
    TRammeGrundX Ramme;

    QString Tekst() const { return m_tekst; }
    void setTekst(const QString& tekst);

    int Position() const { return m_position; }
    void SetPosition(int v);
    // The step the bar is drawn to, and its length in pixels.
    int tegnetTrin() const { return m_trin; }
    int barLaengde() const;

signals:
    void OnProgress(int procent);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QRect omraade() const;
    QRect barRekt(int laengde) const;
    QString m_tekst;
    int m_position = 0;
    int m_trin = 0;
    bool m_malet = false;
};

} // namespace kv
