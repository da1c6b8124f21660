#include "ui/pages/comms/ServerPages.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QVBoxLayout>

#include "model/ConfigImage.h"
#include "model/UiText.h"
#include "model/Cp1251.h"

namespace vrm {

using namespace kit;
namespace server = layout::server;

namespace {
// Qt notation: '0' optional digit, blank placeholder.
const QString kAddressMask = QStringLiteral("000.000.000.000; ");
const QString kPortMask = QStringLiteral("00000; ");
// The record holds at most 33 characters of a name and its NUL.
constexpr int kDomainNameLength = server::domainName.info.width - 1;
} // namespace

ServerPages::ServerPages(PageHost& host, QObject* parent)
    : RecordPages(host, layout::servers, QStringLiteral("PanelServersPar"), QStringLiteral("Label140"), false,
                  parent)
{
    build();
}

void ServerPages::build()
{
    using At = RecordAt<server::Record>;
    auto& f = fields();
    auto* group = makeGroup({}, {});
    auto* grid = new QGridLayout(group);
    QCheckBox* enabled = f.check(server::enabled, QStringLiteral("CheckBoxServerEn"), Ui::tr("Разрешен"));
    addressType_ = f.combo(server::addressType, QStringLiteral("ComboBoxDestType"));
    address_ = makeEdit(QStringLiteral("MaskEditServerIPAddr"), kDomainNameLength, kAddressMask);
    address_->setMinimumWidth(260);
    // The address type decides how the address edit reads and writes.
    f.add(
        [this](ConfigImage& image, At at) {
            if (addressType_->currentIndex() == kDomainName)
                image.setTextTerminated(at, server::domainName, toCp1251(address_->text()));
            else
                image.set(at, server::ipAddress, readDottedAddress(address_->displayText()));
        },
        [this](const ConfigImage& image, At at) {
            addressTypeChanged();
            if (addressType_->currentIndex() == kDomainName)
                address_->setText(fromCp1251(image.text(at, server::domainName)));
            else
                address_->setText(slottedAddress(image.get(at, server::ipAddress)));
        });
    QLineEdit* port = makeEdit(QStringLiteral("MaskEditServerPort"), 5, kPortMask);
    port->setMaximumWidth(80);
    f.add([port](ConfigImage& image,
                 At at) { image.set(at, server::port, uint32_t(std::min(leadingNumber(port->text()), 65535LL))); },
          [port](const ConfigImage& image, At at) {
              port->setText(rightAligned(QString::number(image.get(at, server::port)), 5));
          });
    int row = 0;
    grid->addWidget(enabled, row++, 0, 1, 2);
    grid->addWidget(makeLabel(Ui::tr("Тип адреса")), row, 0);
    grid->addWidget(addressType_, row++, 1, Qt::AlignLeft);
    grid->addWidget(makeLabel(Ui::tr("Адрес")), row, 0);
    grid->addWidget(address_, row++, 1, Qt::AlignLeft);
    grid->addWidget(makeLabel(Ui::tr("Порт")), row, 0);
    grid->addWidget(port, row++, 1, Qt::AlignLeft);
    grid->setColumnStretch(1, 1);
    body()->addWidget(group);
    body()->addStretch(1);

    connect(addressType_, &QComboBox::activated, this, &ServerPages::addressTypeChanged);
}

void ServerPages::enter(int page)
{
    title()->setText(Ui::tr("Сервер %1").arg(page - 10));
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

} // namespace vrm
