#include "ui/TAboutBox.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QUrlQuery>

#include "model/UiText.h"
#include "session/ProgramVersion.h"
#include "ui/Glyphs.h"

namespace vrm {

namespace {

QLabel* linkLabel(const QString& text, const QUrl& url, const QString& objectName, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(objectName);
    label->setText(QStringLiteral("<a href=\"%1\" style=\"color:#0000FF; text-decoration:underline\">%2</a>")
                       .arg(url.toString(QUrl::FullyEncoded).toHtmlEscaped(), text.toHtmlEscaped()));
    label->setTextFormat(Qt::RichText);
    label->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    label->setCursor(Qt::PointingHandCursor);
    // Opened by the system's default handler, not by the label itself.
    QObject::connect(label, &QLabel::linkActivated, label,
                     [url](const QString&) { QDesktopServices::openUrl(url); });
    return label;
}

} // namespace

TAboutBox::TAboutBox(const QString& caption, const QString& programCaption, const QString& forDeviceVersions,
                     const QStringList& supportedVersions, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(caption);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("ProgramIcon"));
    // The application's icon where it has one (set by the program's entry), sharp at any scale.
    const QIcon icon = QApplication::windowIcon().availableSizes().isEmpty() ? glyph(9) : QApplication::windowIcon();
    picture->setPixmap(icon.pixmap(64, 64));
    picture->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    auto* product = new QLabel(programCaption, this);
    product->setObjectName(QStringLiteral("ProductName"));
    QFont bold = product->font();
    bold.setBold(true);
    product->setFont(bold);

    auto* version = new QLabel(QStringLiteral("Ver. ") + projectVersion() + QLatin1Char(' ') + forDeviceVersions, this);
    version->setObjectName(QStringLiteral("Version"));

    auto* versions = new QListWidget(this);
    versions->setObjectName(QStringLiteral("ListBoxVersions"));
    versions->addItems(supportedVersions);
    versions->setSelectionMode(QAbstractItemView::NoSelection);
    versions->setFocusPolicy(Qt::NoFocus);
    versions->setFixedHeight(versions->sizeHintForRow(0) * int(supportedVersions.size()) + 2 * versions->frameWidth() + 4);

    auto* web = linkLabel(webSiteUrl().toString(), webSiteUrl(), QStringLiteral("LabelWebSite"), this);
    auto* mail = linkLabel(QString::fromLatin1(kSupportMail), supportMailUrl(), QStringLiteral("LabelSupportMail"), this);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(Ui::tr("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setDefault(true);
    buttons->setCenterButtons(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QGridLayout(this);
    layout->addWidget(picture, 0, 0, 4, 1);
    layout->addWidget(product, 0, 1);
    layout->addWidget(version, 1, 1);
    layout->addWidget(versions, 2, 1);
    auto* links = new QVBoxLayout;
    links->addWidget(web);
    links->addWidget(mail);
    layout->addLayout(links, 3, 1);
    layout->addWidget(buttons, 4, 0, 1, 2);
    layout->setHorizontalSpacing(16);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QUrl TAboutBox::webSiteUrl()
{
    return QUrl(QString::fromLatin1(kWebSite));
}

QUrl TAboutBox::supportMailUrl()
{
    QUrl url(QStringLiteral("mailto:") + QString::fromLatin1(kSupportMail));
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("subject"), QStringLiteral("VRM530"));
    url.setQuery(query);
    return url;
}

} // namespace vrm
