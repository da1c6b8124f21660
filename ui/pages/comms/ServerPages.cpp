#include "ui/pages/comms/ServerPages.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QVBoxLayout>

#include "model/ConfigImage.h"
#include "model/Cp1251.h"
#include "ui/pages/comms/FieldText.h"
#include "ui/pages/comms/PageWidgets.h"

namespace vrm {

using namespace comms;
namespace server = layout::server;

namespace {
// Qt notation: '0' optional digit, blank placeholder.
const QString kAddressMask = QStringLiteral("000.000.000.000; ");
const QString kPortMask = QStringLiteral("00000; ");
// The record holds at most 33 characters of a name and its NUL.
constexpr int kDomainNameLength = server::domainName.width - 1;
} // namespace

ServerPages::ServerPages(PageHost& host, QObject* parent) : PageGroup(host, parent)
{
    build();
}

std::size_t ServerPages::recordOf(int page)
{
    return layout::servers.at(std::size_t(page - 11));
}

void ServerPages::build()
{
    PageFrame frame = makePageFrame(QStringLiteral("PanelServersPar"), QStringLiteral("Label140"), false);
    panel_ = frame.panel;
    title_ = frame.title;

    auto* group = makeGroup({}, {});
    auto* grid = new QGridLayout(group);
    enabled_ = makeCheckBox(QStringLiteral("CheckBoxServerEn"), QStringLiteral("Разрешен"));
    addressType_ = makeComboBox(QStringLiteral("ComboBoxDestType"),
                                {QStringLiteral("IP адрес"), QStringLiteral("Доменное имя (требуется DNS)")});
    address_ = makeEdit(QStringLiteral("MaskEditServerIPAddr"), kDomainNameLength, kAddressMask);
    address_->setMinimumWidth(260);
    port_ = makeEdit(QStringLiteral("MaskEditServerPort"), 5, kPortMask);
    port_->setMaximumWidth(80);
    int row = 0;
    grid->addWidget(enabled_, row++, 0, 1, 2);
    grid->addWidget(makeLabel(QStringLiteral("Тип адреса")), row, 0);
    grid->addWidget(addressType_, row++, 1, Qt::AlignLeft);
    grid->addWidget(makeLabel(QStringLiteral("Адрес")), row, 0);
    grid->addWidget(address_, row++, 1, Qt::AlignLeft);
    grid->addWidget(makeLabel(QStringLiteral("Порт")), row, 0);
    grid->addWidget(port_, row++, 1, Qt::AlignLeft);
    grid->setColumnStretch(1, 1);
    frame.body->addWidget(group);
    frame.body->addStretch(1);

    connect(addressType_, &QComboBox::activated, this, &ServerPages::addressTypeChanged);
}

void ServerPages::addressTypeChanged()
{
    if (addressType_->currentIndex() == kDomainName) {
        address_->setInputMask({});
        address_->setMaxLength(kDomainNameLength);
        address_->clear();
    } else {
        address_->setInputMask(kAddressMask);
        address_->setText(QStringLiteral("000.000.000.000"));
    }
}

void ServerPages::store(int page, ConfigImage& image)
{
    const std::size_t r = recordOf(page);
    storeCheck(image, r, server::enabled, enabled_);
    storeIndex(image, r, server::addressType, addressType_);
    if (addressType_->currentIndex() == kDomainName)
        image.setTextTerminated(r, server::domainName, toCp1251(address_->text()));
    else
        image.set(r, server::ipAddress, readDottedAddress(address_->displayText()));
    image.set(r, server::port, uint32_t(std::min(leadingNumber(port_->text()), 65535LL)));
}

void ServerPages::show(int page, const ConfigImage& image)
{
    const std::size_t r = recordOf(page);
    title_->setText(QStringLiteral("Сервер %1").arg(page - 10));
    showCheck(enabled_, image.get(r, server::enabled));
    showIndex(addressType_, image.get(r, server::addressType));
    addressTypeChanged();
    if (addressType_->currentIndex() == kDomainName)
        address_->setText(fieldText(image, r, server::address));
    else
        address_->setText(slottedAddress(image.get(r, server::ipAddress)));
    port_->setText(rightAligned(QString::number(image.get(r, server::port)), 5));
}

} // namespace vrm
