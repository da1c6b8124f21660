#include "cli/TerminalSession.h"

#include "link/QtSerialLink.h"
#include "session/LiveStatus.h"

namespace vrm::cli {

TerminalSession::TerminalSession(const QString& portName, ConfigImage image)
    : portName_(portName), image_(image), identity_(decodeIdentity(blankIdentityRecord())),
      operations_(*this, *this)
{
}

void TerminalSession::setStatusPanel(int panel, const QString& text)
{
    if (panel >= 0 && panel < panels_.size())
        panels_[panel] = text;
}

QString TerminalSession::statusPanel(int panel) const
{
    return panels_.value(panel);
}

LinkFactory TerminalSession::linkFactory() const
{
    return serialLinkFactory(portName_);
}

QStringList TerminalSession::transactionMessages() const
{
    return defaultTransactionMessages();
}

QStringList TerminalSession::gsmStates() const
{
    return defaultGsmStates();
}

void TerminalSession::showWarning(const QString& caption, const QString& text)
{
    status_.endLine();
    printLine(stderr, caption + QStringLiteral(": ") + text);
}

void TerminalSession::showIdentity(const QByteArray& record)
{
    identity_ = decodeIdentity(record);
    panels_[2] = identity_.firmwareText();
}

} // namespace vrm::cli
