#pragma once
// Fourth layer of the file-operations chain: the information windows of
// files, folders and drives.
#include "structures/TFunktioner.h"

#include <QPointer>
#include <functional>

class QIcon;

namespace kv {

class Tfilinfoform;

class TFilMappeInfo : public TFunktioner {
    Q_OBJECT
public:
    explicit TFilMappeInfo(QObject* owner);
    ~TFilMappeInfo() override;

    // The installed icon files, "C:\Kvistlund\Program\Ikoner\".
    QString FIkonDir;
    // Opens a help page: the page's file and title.
    std::function<void(const QString&, const QString&)> FonInfoHelp;

    // The information window, made when first needed.
    Tfilinfoform* filinfoform();
    // The drive page of the drive with this letter.
    bool showDriveInfo(QChar drev);
    // The file page of a file given by its full path.
    bool showFileInfo(const QString& aFilename);
    // The folder page of the selected node of the active structure, then its count.
    void showMappeInfo();

    static QString infoSizeText(qint64 n);
    static QString driveTypeName(int type);
    static QString fileTypeText(const QString& ext);
    // The installed icon of the extension or its group, else the desktop
    // entry's icon, else the icon of the file's type in the desktop's theme.
    QIcon fileIcon(const QString& fil, QString& ext) const;

private:
    QPointer<Tfilinfoform> m_info;
};

} // namespace kv
