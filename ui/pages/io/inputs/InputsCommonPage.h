#pragma once
// Page 20, "Входы" (`Panel7`): the settings shared by all inputs (the sensor
// supply port 10VS and the scan delays) and the picture of the input terminals.

#include "model/layout/Inputs.h"
#include "ui/pages/kit/RecordPages.h"

namespace vrm {

class InputsCommonPage : public kit::RecordPages<layout::inputsCommon::Record> {
public:
    explicit InputsCommonPage(PageHost& host, QObject* parent = nullptr);

    // The page keeps its own title.
    QLabel* titleLabel(int) override { return nullptr; }

private:
    void build();
};

} // namespace vrm
