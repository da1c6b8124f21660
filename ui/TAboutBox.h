#pragma once
// The About box: program caption and version, the controller firmware versions
// it supports, and links to the web site and the support mailbox.

#include <QDialog>
#include <QStringList>
#include <QUrl>

namespace vrm {

inline constexpr char kWebSite[] = "https://www.example.com/vrm530";
inline constexpr char kSupportMail[] = "support@example.com";

class TAboutBox : public QDialog {
    Q_OBJECT
public:
    TAboutBox(const QString& caption, const QString& programCaption, const QString& forDeviceVersions,
              const QStringList& supportedVersions, QWidget* parent = nullptr);

    static QUrl webSiteUrl();
    // mailto with the subject "VRM530".
    static QUrl supportMailUrl();
};

} // namespace vrm
