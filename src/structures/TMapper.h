#pragma once
// Bottom layer of the file-operations chain: where the special folders are,
// and whether an extension is a text or a picture file.
#include <QObject>
#include <QString>

namespace kv {

class TMapper : public QObject {
    Q_OBJECT
public:
    explicit TMapper(QObject* owner);

    // Each gives an existing folder or raises Fejl with its Danish message.
    QString GetMyDesktop() const;
    QString GetMyDocuments() const;
    QString GetMyMusic() const;
    QString GetMyPictures() const;
    QString GetMyVideo() const;
    QString GetMyFavorit() const;
    QString GetMyApp() const;
    QString GetStartMenuPrograms() const;
    QString GetCommonDocuments() const;
    QString GetCommonMusic() const;
    QString GetCommonPictures() const;
    QString GetCommonVideo() const;

    // These two never fail: a missing folder gives the root of drive C.
    QString GetAllUsers() const;
    QString GetMyDownLoad(const QString& TheUsername) const;

    // The extension with its dot; A to Z compared in small letters.
    static bool erDetEnTekstfil(const QString& ext);
    static bool erDetEnBilledfil(const QString& ext);
};

} // namespace kv
