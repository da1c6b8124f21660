#include "link/HeldLink.h"

namespace vrm {

HeldLink::HeldLink(std::unique_ptr<SerialLink> port) : port_(std::move(port)) {}

HeldLink::~HeldLink()
{
    release();
}

QString HeldLink::name() const
{
    return port_->name();
}

bool HeldLink::open()
{
    lastOpenFailed_ = false;
    if (port_->isOpen())
        return true;
    failed_ = false;
    lastOpenFailed_ = !port_->open();
    return !lastOpenFailed_;
}

void HeldLink::close()
{
    // After a port error the device may be gone or changed (a USB adapter
    // pulled out and back): let the next transaction open it again.
    if (failed_)
        release();
}

bool HeldLink::isOpen() const
{
    return port_->isOpen();
}

bool HeldLink::clear()
{
    const bool cleared = port_->clear();
    failed_ = failed_ || !cleared;
    return cleared;
}

bool HeldLink::write(const uint8_t* bytes, int count)
{
    const bool written = port_->write(bytes, count);
    failed_ = failed_ || !written;
    return written;
}

int HeldLink::read(uint8_t* buffer, int count)
{
    const int received = port_->read(buffer, count);
    failed_ = failed_ || received < 0;
    return received;
}

void HeldLink::release()
{
    if (port_->isOpen())
        port_->close();
    failed_ = false;
}

} // namespace vrm
