#pragma once
// A port that tells the serial trace what passes through it: every request
// written, every reply read, a reply that stopped short (a time-out), a
// request sent again after one (a retry), port errors, opens and closes.
// While no trace runs it only passes the calls on.

#include <memory>
#include <vector>

#include "link/SerialLink.h"

namespace vrm {

class SerialTrace;

class TracingLink : public SerialLink {
public:
    explicit TracingLink(std::unique_ptr<SerialLink> port, SerialTrace* trace = nullptr); // nullptr: the global trace
    ~TracingLink() override;

    QString name() const override;
    bool open() override;
    void close() override;
    bool isOpen() const override;
    bool clear() override;
    bool write(const uint8_t* bytes, int count) override;
    int read(uint8_t* buffer, int count) override;

private:
    bool tracing() const;
    void event(const QString& text);

    std::unique_ptr<SerialLink> port_;
    SerialTrace& trace_;
    std::vector<uint8_t> lastRequest_;
    bool lastReplyShort_ = false;
    int attempt_ = 1;
};

} // namespace vrm
