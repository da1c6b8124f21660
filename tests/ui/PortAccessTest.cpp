// The port list with what the system tells about each port, and a port refused
// for lack of permission: found as such and explained with its remedy.
#include <QComboBox>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <grp.h>
#include <pwd.h>
#include <unistd.h>

#include "link/PortList.h"
#include "link/PortPermission.h"
#include "tests/ui/MainWindowFixture.h"
#include "ui/PortRefusal.h"
#include "ui/TFormCOMPortConfig.h"

using namespace vrm;
using namespace vrm::test;

namespace {

// Runs `check` as an unprivileged user when the test runs as root (root may
// open any file), as the test's own user otherwise.
template <class Check> void asUnprivilegedUser(Check check)
{
    if (::geteuid() != 0) {
        check();
        return;
    }
    const passwd* nobody = ::getpwnam("nobody");
    ASSERT_NE(nobody, nullptr);
    ASSERT_EQ(::seteuid(nobody->pw_uid), 0);
    check();
    ASSERT_EQ(::seteuid(0), 0);
}

} // namespace

TEST(PortList, EachPortIsLabelledWithWhatTheSystemTellsAboutIt)
{
    struct Case {
        const char* what;
        PortDescription port;
        QString label;
    };
    PortDescription usb{"ttyUSB0", "USB-Serial Controller", "Prolific", "", true, 0x067b, 0x2303};
    PortDescription usbWithSerial{"ttyUSB1", "", "FTDI", "A50285BI", true, 0x0403, 0x6001};
    PortDescription plain{"ttyS0", "", "", "", false, 0, 0};
    const Case cases[] = {
        {"USB adapter", usb, QStringLiteral("ttyUSB0 — USB-Serial Controller (USB 067b:2303)")},
        {"maker instead of description, serial number", usbWithSerial,
         QStringLiteral("ttyUSB1 — FTDI (USB 0403:6001, S/N A50285BI)")},
        {"built-in port the system says nothing about", plain, QStringLiteral("ttyS0")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.port.label(), c.label);
    }
    EXPECT_EQ(portDevicePath(QStringLiteral("pts/3")), QStringLiteral("/dev/pts/3"));
    EXPECT_EQ(portDevicePath(QStringLiteral("/dev/ttyACM0")), QStringLiteral("/dev/ttyACM0"));
}

TEST(PortList, TheDialogListsLabelsAndChoosesThePortName)
{
    const QList<PortDescription> ports{{"ttyUSB0", "USB-Serial Controller", "", "", true, 0x067b, 0x2303},
                                       {"ttyS0", "", "", "", false, 0, 0}};
    QStringList tested;
    TFormCOMPortConfig dialog(QStringLiteral("ttyUSB0"), ports,
                              [&tested](const QString& name) {
                                  tested << name;
                                  return true;
                              },
                              QStringLiteral("Выбор COM порта"), QStringLiteral("занят"));
    auto* box = dialog.findChild<QComboBox*>(QStringLiteral("ComComboBox1"));
    ASSERT_EQ(box->count(), 2);
    EXPECT_EQ(box->currentText(), QStringLiteral("ttyUSB0 — USB-Serial Controller (USB 067b:2303)"));
    EXPECT_EQ(dialog.chosenPortName(), QStringLiteral("ttyUSB0"));
    box->setCurrentIndex(1);
    EXPECT_EQ(dialog.chosenPortName(), QStringLiteral("ttyS0"));
    box->setCurrentText(QStringLiteral("pts/7")); // typed: not listed
    dialog.findChild<QPushButton*>(QStringLiteral("ButtonOK"))->click();
    EXPECT_EQ(tested, QStringList{QStringLiteral("pts/7")});
}

TEST(PortPermission, ADeviceTheUserMayNotOpenIsFoundAndExplained)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString device = dir.filePath(QStringLiteral("ttyVRM0"));
    {
        QFile file(device);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    // Owned by the dialout group where it exists, readable and writable by owner and group only.
    if (const group* dialout = ::getgrnam("dialout"); dialout && ::geteuid() == 0) {
        ASSERT_EQ(::chown(QFile::encodeName(device).constData(), 0, dialout->gr_gid), 0);
    }
    ASSERT_TRUE(QFile::setPermissions(device, QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                                  | QFileDevice::ReadGroup | QFileDevice::WriteGroup));
    // The test's own user (not root) is kept out by removing the owner's rights too.
    if (::geteuid() != 0) {
        ASSERT_TRUE(QFile::setPermissions(device, QFileDevice::ReadGroup));
    }

    // The dir must be passable for the unprivileged user.
    ASSERT_TRUE(QFile::setPermissions(dir.path(), QFile::permissions(dir.path()) | QFileDevice::ExeOther
                                                      | QFileDevice::ReadOther));

    PortAccess refused;
    asUnprivilegedUser([&] { refused = checkPortAccess(device); });
    EXPECT_TRUE(refused.permissionDenied);
    EXPECT_EQ(refused.devicePath, device);
    const QString message = portRefusalMessage(QStringLiteral("ttyVRM0"), refused);
    EXPECT_TRUE(message.contains(device)) << message.toStdString();
    // As root the device belongs to the dialout group; a test user's own file names that user's group.
    const bool dialoutDevice = ::geteuid() == 0 && ::getgrnam("dialout");
    EXPECT_TRUE(message.contains(dialoutDevice ? QStringLiteral("sudo usermod -aG dialout $USER")
                                               : QStringLiteral("sudo usermod -aG ")))
        << message.toStdString();

    // The same device with rights, and a port that does not exist, are no permission case.
    if (::geteuid() == 0) {
        EXPECT_FALSE(checkPortAccess(device).permissionDenied);
    }
    EXPECT_FALSE(checkPortAccess(dir.filePath(QStringLiteral("ttyVRMnone"))).permissionDenied);
    EXPECT_TRUE(portRefusalMessage(QStringLiteral("x"), PortAccess{}).isEmpty());
}

TEST(PortPermission, TheDialogGivesTheReasonInsteadOfTheGeneralText)
{
    for (bool permission : {true, false}) {
        SCOPED_TRACE(permission ? "refused for permission" : "busy or missing");
        TFormCOMPortConfig dialog(
            QStringLiteral("ttyUSB0"), {}, [](const QString&) { return false; }, QStringLiteral("Выбор COM порта"),
            QStringLiteral("Не возможно открыть указанный COM порт, возможно он занят другим приложением."), nullptr,
            [permission](const QString& name) {
                return permission ? portRefusalMessage(name, PortAccess{true, "/dev/" + name, "dialout"}) : QString();
            });
        ModalScript script;
        script.thenMessage();
        dialog.findChild<QPushButton*>(QStringLiteral("ButtonOK"))->click();
        ASSERT_TRUE(waitFor([&] { return script.finished(); }));
        ASSERT_EQ(script.messages.size(), 1u);
        if (permission) {
            EXPECT_TRUE(script.messages[0].text.startsWith(QStringLiteral("Нет доступа к порту ttyUSB0 (/dev/ttyUSB0)")))
                << script.messages[0].text.toStdString();
            EXPECT_TRUE(script.messages[0].text.contains(QStringLiteral("группе \"dialout\"")));
        } else {
            EXPECT_EQ(script.messages[0].text,
                      QStringLiteral("Не возможно открыть указанный COM порт, возможно он занят другим приложением."));
        }
    }
}
