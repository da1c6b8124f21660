#include "cli/Commands.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QSerialPortInfo>
#include <QThread>
#include <csignal>

#include "cli/Password.h"
#include "cli/TerminalSession.h"
#include "model/ConfigFile.h"
#include "model/FactoryImage.h"
#include "model/FieldCompare.h"
#include "model/RegularFile.h"
#include "model/TextForm.h"
#include "model/UiText.h"
#include "session/LiveStatus.h"
#include "session/TransactionRunner.h"

namespace vrm::cli {

namespace {

constexpr int kPasswordOffset = int(layout::commonBlock[0].base + layout::common::systemPassword.info.offset);
constexpr int kWatchPeriodMs = 1000;

void error(const QString& text)
{
    printLine(stderr, text);
}

// An operation ended early: its last failure text is the reason.
int failed(TerminalSession& session)
{
    session.status().endLine();
    if (session.status().lastKind() == StatusKind::Failure)
        error(session.status().lastText());
    return Failure;
}

// The file's configuration over the factory image, or false with the
// window's text for the reason.
bool loadConfiguration(const QString& path, ConfigImage& image)
{
    image = buildFactoryImage();
    switch (readConfigFile(path, image)) {
    case LoadResult::Loaded:
        return true;
    case LoadResult::CannotOpen:
        error(path + QStringLiteral(": ") + Ui::tr("Невозможно открыть файл"));
        return false;
    case LoadResult::UnknownFormat:
        error(path + QStringLiteral(": ") + Ui::tr("Неизвестный формат файла"));
        return false;
    case LoadResult::VersionMismatch:
        error(path + QStringLiteral(": ") + Ui::tr("Несоответствие версий! Файл не может быть использован для "
                                                   "конфигурирования этого устройства."));
        return false;
    }
    return false;
}

bool saveConfiguration(const QString& path, ConfigImage& image)
{
    if (writeConfigFile(path, image) == 0)
        return true;
    error(path + QStringLiteral(": ") + Ui::tr("Невозможно сохранить файл"));
    return false;
}

// The image holds the password the installer gave, as the window's image
// holds the one typed on page 1: it is presented and, on program, kept.
void putPassword(ConfigImage& image, const QByteArray& password)
{
    QByteArray field = password;
    field.append(QByteArray(layout::common::systemPassword.info.width - field.size(), '\0'));
    std::copy(field.cbegin(), field.cend(), image.data() + kPasswordOffset);
}

void printDifferences(const QList<FieldDifference>& differences, const QString& own, const QString& other)
{
    for (const FieldDifference& d : differences) {
        const QString page = d.page < 0 ? QStringLiteral("-") : QString::number(d.page);
        printLine(stdout, QStringLiteral("[%1] %2: %3 (%4) / %5 (%6)")
                              .arg(page, d.name, d.ownValue, own, d.otherValue, other));
    }
}

QString versionLine(const IdentityTexts& id)
{
    return Ui::tr("Аппаратная версия: %1\nВерсия ПО: %2\nВерсия загрузчика: %3")
        .arg(id.hardwareVersion, id.softwareVersion, id.bootVersion);
}

volatile std::sig_atomic_t interrupted = 0;

void onInterrupt(int)
{
    interrupted = 1;
}

QJsonObject statusJson(const LiveStatus& s)
{
    QJsonArray inputs, outputs, perimeters;
    for (int n = 0; n < 8; ++n)
        inputs.append(bool(s.inputs >> n & 1));
    for (int n = 0; n < 7; ++n)
        outputs.append(bool(s.outputs >> n & 1));
    static const char* const modes[] = {"observation", "changing", "armed", "none"};
    for (int p = 1; p <= 4; ++p)
        perimeters.append(QString::fromLatin1(modes[perimeterMode(s.perimeterModes, p) & 3]));
    QJsonObject o{
        {"clock", controllerClockText(s)},
        {"gsmState", s.gsmState},
        {"gsmStateText", gsmStateText(s.gsmState, defaultGsmStates())},
        {"signal", s.signalQuality()},
        {"supplyVolts", s.mains / 10.0},
        {"inputs", inputs},
        {"outputs", outputs},
        {"perimeters", perimeters},
    };
    o.insert("battery", s.battery <= 100 ? QJsonValue(int(s.battery)) : QJsonValue());
    o.insert("temperature", s.temperaturePresent() ? QJsonValue(int(s.temperature)) : QJsonValue());
    o.insert("balance", s.balancePresent() ? QJsonValue(qRound64(double(s.balance) * 100) / 100.0) : QJsonValue());
    return o;
}

QString statusText(const LiveStatus& s)
{
    QString bits;
    const auto onOff = [](uint8_t byte, int count) {
        QString out;
        for (int n = 0; n < count; ++n)
            out += (byte >> n & 1) ? u'1' : u'0';
        return out;
    };
    const BatteryView battery = batteryView(s.battery);
    const TemperatureView temperature = temperatureView(s.temperature, s.temperaturePresent());
    QStringList lines{
        Ui::tr("Часы контроллера: %1").arg(controllerClockText(s)),
        Ui::tr("GSM: %1, сигнал %2").arg(gsmStateText(s.gsmState, defaultGsmStates())).arg(s.signalQuality()),
        Ui::tr("Питание: %1").arg(mainsView(s.mains).volts),
        Ui::tr("Батарея: %1 %2").arg(battery.percent, battery.message.simplified()).trimmed(),
        Ui::tr("Входы 1-8: %1").arg(onOff(s.inputs, 8)),
        Ui::tr("Реле 1-2, выходы 1-5: %1").arg(onOff(s.outputs, 7)),
    };
    if (s.temperaturePresent())
        lines << Ui::tr("Температура: %1").arg(temperature.value);
    const QString balance = balanceText(s.balancePresent(), s.balance);
    if (!balance.isEmpty())
        lines << balance;
    return lines.join(u'\n');
}

} // namespace

int listPorts()
{
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        QString line = info.portName();
        if (!info.description().isEmpty())
            line += QStringLiteral("\t") + info.description();
        if (!info.manufacturer().isEmpty())
            line += QStringLiteral(" (") + info.manufacturer() + u')';
        printLine(stdout, line);
    }
    return Success;
}

int identify(const QString& port)
{
    TerminalSession session(port, buildFactoryImage());
    const bool supported = session.operations().identifyController();
    const IdentityTexts& id = session.shownIdentity();
    if (!supported && id.deviceName == decodeIdentity(blankIdentityRecord()).deviceName)
        return failed(session); // nobody answered
    printLine(stdout, Ui::tr("Устройство: %1\nМодификация: %2\n%3\nДата: %4\nКод страны: %5\nIMEI: %6\n"
                             "Серийный номер: %7")
                          .arg(id.deviceName, id.modification, versionLine(id), id.date, id.countryCode, id.imei,
                               QString(id.deviceSerial).replace(QStringLiteral("\r\n"), QStringLiteral(" "))));
    return supported ? Success : failed(session);
}

int readToFile(const QString& port, const QString& path)
{
    ConfigImage image = buildFactoryImage();
    putPassword(image, administratorPassword());
    TerminalSession session(port, image);
    if (!session.operations().read())
        return failed(session);
    if (!saveConfiguration(path, session.image()))
        return Failure;
    printLine(stdout, Ui::tr("Конфигурация контроллера записана в %1").arg(path));
    return Success;
}

int programFromFile(const QString& port, const QString& path, bool clearModes)
{
    ConfigImage image;
    if (!loadConfiguration(path, image))
        return Failure;
    putPassword(image, administratorPassword());
    TerminalSession session(port, image);
    session.setClearModesOnProgram(clearModes);
    if (!session.operations().program())
        return failed(session);
    printLine(stdout, session.status().lastKind() == StatusKind::Success
                          ? session.status().lastText()
                          : Ui::tr("Программирование завершено успешно"));
    return Success;
}

int compareWithFile(const QString& port, const QString& path)
{
    ConfigImage image;
    if (!loadConfiguration(path, image))
        return Failure;
    const QByteArray password = administratorPassword();
    putPassword(image, password);
    TerminalSession session(port, image);
    const CompareOutcome outcome = session.operations().compare(!password.isEmpty());
    if (outcome.result == CompareOutcome::Result::Failed)
        return failed(session);
    if (outcome.result == CompareOutcome::Result::Equal) {
        printLine(stdout, session.status().lastText());
        return Success;
    }
    ConfigImage held = image;
    std::copy(outcome.held.cbegin(), outcome.held.cend(), held.data() + blocks::main.offset);
    printLine(stdout, session.status().lastText());
    printDifferences(compareMainBlocks(image, held), QFileInfo(path).fileName(), Ui::tr("контроллер"));
    return Different;
}

int diffFiles(const QString& first, const QString& second)
{
    ConfigImage a, b;
    if (!loadConfiguration(first, a) || !loadConfiguration(second, b))
        return Failure;
    const QList<FieldDifference> differences = compareMainBlocks(a, b);
    printDifferences(differences, QFileInfo(first).fileName(), QFileInfo(second).fileName());
    return differences.isEmpty() ? Success : Different;
}

int exportToText(const QString& path, const QString& output)
{
    ConfigImage image;
    if (!loadConfiguration(path, image))
        return Failure;
    const QByteArray text = exportText(image);
    if (output.isEmpty()) {
        std::fwrite(text.constData(), 1, std::size_t(text.size()), stdout);
        std::fflush(stdout);
        return Success;
    }
    QSaveFile file(output);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit()) {
        error(output + QStringLiteral(": ") + Ui::tr("Невозможно сохранить файл"));
        return Failure;
    }
    return Success;
}

int importFromText(const QString& path, const QString& output)
{
    QFile file;
    if (!openRegularFileForReading(file, path)) {
        error(path + QStringLiteral(": ") + Ui::tr("Невозможно открыть файл"));
        return Failure;
    }
    const QByteArray text = file.readAll();
    ConfigImage image = buildFactoryImage();
    TextImportError refusal;
    if (!importText(text, image, refusal)) {
        error(path + QStringLiteral(": ") + refusal.message());
        return Failure;
    }
    return saveConfiguration(output, image) ? Success : Failure;
}

int showStatus(const QString& port, bool watch, bool json)
{
    TerminalSession session(port, buildFactoryImage());
    if (!session.operations().identifyController())
        return failed(session);
    std::signal(SIGINT, onInterrupt);
    std::signal(SIGTERM, onInterrupt);
    TransactionRunner runner(session.linkFactory(), session.transactionMessages());
    do {
        QByteArray record(live::kStatusSize, '\0');
        TransactionRequest request;
        request.kind = int(TransactionKind::Status);
        request.data = std::span<uint8_t>(reinterpret_cast<uint8_t*>(record.data()), std::size_t(record.size()));
        if (runner.run(request, &session.status()) != 0)
            return failed(session);
        const LiveStatus status = LiveStatus::decode(record);
        if (json)
            printLine(stdout, QString::fromUtf8(QJsonDocument(statusJson(status)).toJson(QJsonDocument::Compact)));
        else
            printLine(stdout, statusText(status) + (watch ? QStringLiteral("\n") : QString()));
        for (int waited = 0; watch && !interrupted && waited < kWatchPeriodMs; waited += 100)
            QThread::msleep(100);
    } while (watch && !interrupted);
    return Success;
}

} // namespace vrm::cli
