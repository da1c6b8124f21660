#pragma once
// The English interface for the life of the object; the tests after it see the
// Russian interface again.
#include <QApplication>

#include "ui/InterfaceLanguage.h"

namespace vrm::test {

class EnglishInterface {
public:
    EnglishInterface() : installed_(installInterfaceLanguage(*qApp, language::english)) {}
    ~EnglishInterface() { removeInterfaceLanguage(*qApp); }
    EnglishInterface(const EnglishInterface&) = delete;
    EnglishInterface& operator=(const EnglishInterface&) = delete;
    bool installed() const { return installed_; }

private:
    bool installed_;
};

} // namespace vrm::test
