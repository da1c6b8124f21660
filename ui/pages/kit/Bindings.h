#pragma once
// Controls bound to the declared fields of one record type: each control is
// created and bound in one statement, and the store and show steps run the
// bindings in the order they were made. A page over a record array keeps one
// Bindings object and runs it at the record its page edits.
//
// What a control offers comes from the field's declaration (model/layout):
// its items, its range, its unit. A binding names the field and the control.
//
// Rules every binding keeps: combo boxes store the value of their item (the
// declaration says which: index, index + base, base - index), and a box
// without selection stores nothing while a value without an item shows no
// selection; check boxes store one bit; texts are code page 1251; numbers
// typed into edits are read leniently and clamped to their range; every store
// is read-modify-write of the field's own bits.

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSlider>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <memory>
#include <vector>

#include "model/ConfigImage.h"
#include "model/Cp1251.h"
#include "model/FieldDomain.h"
#include "model/UiText.h"
#include "ui/pages/PageHost.h"
#include "ui/pages/kit/EditText.h"
#include "ui/pages/kit/UpDownEdit.h"
#include "ui/pages/kit/Widgets.h"

namespace vrm::kit {

// How a text is written into its field: padded with NUL to the full width, or
// the text and one NUL with the rest of the field left as it was.
enum class TextStore { Padded, Terminated };

// Blanks a text loses before it is stored.
enum class Trim { None, Both, Leading };

template <FieldKind K> concept NumberKind = isUnsignedKind(K);

// The items of a field as the window shows them: the host's run-time list
// where the declaration names one (a language file may have replaced it), else
// the declared items in the interface language.
inline QStringList shownItems(const FieldInfo& field, const PageHost* host)
{
    if (!field.domain.hasItems())
        return {};
    const ItemList& list = *field.domain.items;
    if (host && !list.hostList.empty()) {
        const QStringList items = host->textList(QString::fromLatin1(list.hostList.data(), qsizetype(list.hostList.size())));
        if (!items.isEmpty())
            return items;
    }
    return itemTexts(list, true);
}

class BindingsBase {
public:
    virtual ~BindingsBase() = default;
};

template <class R> class Bindings : public BindingsBase {
public:
    // `host` gives the run-time lists that declarations name; without it the declared texts are shown.
    explicit Bindings(const PageHost* host = nullptr) : host_(host) {}

    using StoreStep = std::function<void(ConfigImage&, RecordAt<R>)>;
    using ShowStep = std::function<void(const ConfigImage&, RecordAt<R>)>;

    // A store and show pair the binders below do not cover, in bind order.
    void add(StoreStep store, ShowStep show) { steps_.push_back({std::move(store), std::move(show)}); }

    void store(ConfigImage& image, RecordAt<R> at) const
    {
        for (const Step& step : steps_)
            if (step.store)
                step.store(image, at);
    }
    void show(const ConfigImage& image, RecordAt<R> at) const
    {
        for (const Step& step : steps_)
            if (step.show)
                step.show(image, at);
    }

    // A combo box whose item stands for the field's value, as the field declares.
    template <FieldKind K>
        requires NumberKind<K>
    void bind(const Field<R, K>& field, QComboBox* box, std::size_t element = 0)
    {
        add(
            [&field, box, element](ConfigImage& image, RecordAt<R> at) {
                if (box->currentIndex() >= 0)
                    image.set(at, field, uint32_t(valueOfIndex(field.info, box->currentIndex())), element);
            },
            [&field, box, element](const ConfigImage& image, RecordAt<R> at) {
                showIndex(box, uint32_t(indexOfValue(field.info, image.get(at, field, element))));
            });
    }
    // The same on a signed byte (a time zone, a temperature level).
    void bind(const Field<R, FieldKind::I8>& field, QComboBox* box)
    {
        add(
            [&field, box](ConfigImage& image, RecordAt<R> at) {
                if (box->currentIndex() >= 0)
                    image.setSigned(at, field, int(valueOfIndex(field.info, box->currentIndex())));
            },
            [&field, box](const ConfigImage& image, RecordAt<R> at) {
                showIndex(box, uint32_t(indexOfValue(field.info, image.getSigned(at, field))));
            });
    }
    // A combo box offering the field's declared items.
    template <FieldKind K>
        requires(NumberKind<K> || K == FieldKind::I8)
    QComboBox* combo(const Field<R, K>& field, const QString& name, std::size_t element = 0)
    {
        QComboBox* box = makeComboBox(name, shownItems(field.info, host_));
        if constexpr (K == FieldKind::I8)
            bind(field, box);
        else
            bind(field, box, element);
        return box;
    }
    // The field's items as this page shows them.
    QStringList items(const FieldInfo& field) const { return shownItems(field, host_); }

    // A check box keeping one bit.
    void bind(const Field<R, FieldKind::Bits>& field, QCheckBox* box, std::size_t element = 0)
    {
        add([&field, box, element](ConfigImage& image,
                                   RecordAt<R> at) { image.set(at, field, box->isChecked() ? 1 : 0, element); },
            [&field, box, element](const ConfigImage& image, RecordAt<R> at) {
                showCheck(box, image.get(at, field, element));
            });
    }
    QCheckBox* check(const Field<R, FieldKind::Bits>& field, const QString& name, const QString& caption,
                     std::size_t element = 0)
    {
        QCheckBox* box = makeCheckBox(name, caption);
        bind(field, box, element);
        return box;
    }

    // A three-state box in a field of at least two bits: unchecked 0, grey 1, checked 2.
    QCheckBox* triState(const Field<R, FieldKind::Bits>& field, const QString& name, const QString& caption,
                        std::size_t element = 0)
    {
        QCheckBox* box = makeCheckBox(name, caption);
        box->setTristate(true);
        add(
            [&field, box, element](ConfigImage& image, RecordAt<R> at) {
                const Qt::CheckState state = box->checkState();
                image.set(at, field, state == Qt::Checked ? 2 : state == Qt::PartiallyChecked ? 1 : 0, element);
            },
            [&field, box, element](const ConfigImage& image, RecordAt<R> at) {
                const uint32_t value = image.get(at, field, element);
                box->setCheckState(value == 2 ? Qt::Checked : value == 1 ? Qt::PartiallyChecked : Qt::Unchecked);
            });
        return box;
    }

    // A text in an edit of at most `maxLength` characters (`qtMask` in Qt's notation).
    void bind(const Field<R, FieldKind::Text>& field, QLineEdit* edit, TextStore how = TextStore::Padded,
              Trim trim = Trim::None)
    {
        add([&field, edit, how, trim](ConfigImage& image,
                                      RecordAt<R> at) { storeText(image, at, field, trimmed(edit->text(), trim), how); },
            [&field, edit](const ConfigImage& image, RecordAt<R> at) {
                edit->setText(fromCp1251(image.text(at, field)));
            });
    }
    QLineEdit* text(const Field<R, FieldKind::Text>& field, const QString& name, int maxLength,
                    TextStore how = TextStore::Padded, const QString& qtMask = {}, Trim trim = Trim::None)
    {
        QLineEdit* edit = makeEdit(name, maxLength, qtMask);
        bind(field, edit, how, trim);
        return edit;
    }
    // A name typed or chosen from suggestions (an editable combo box).
    QComboBox* textChoice(const Field<R, FieldKind::Text>& field, const QString& name,
                          const QStringList& suggestions, int maxLength, TextStore how = TextStore::Padded)
    {
        QComboBox* box = makeComboBox(name, suggestions);
        box->setEditable(true);
        box->setInsertPolicy(QComboBox::NoInsert);
        // What is typed is what is stored: no suggestion completes it inline.
        box->setCompleter(nullptr);
        box->lineEdit()->setMaxLength(maxLength);
        add([&field, box, how](ConfigImage& image,
                               RecordAt<R> at) { storeText(image, at, field, box->currentText(), how); },
            [&field, box](const ConfigImage& image, RecordAt<R> at) {
                box->setEditText(fromCp1251(image.text(at, field)));
            });
        return box;
    }

    // A whole number typed into an edit, read leniently and clamped to the
    // field's range (a text that is no number reads as its fallback); an edit
    // without mask keeps the trimmed text it was read from.
    template <FieldKind K>
        requires NumberKind<K>
    QLineEdit* number(const Field<R, K>& field, const QString& name, const QString& qtMask = {}, int maxLength = 10)
    {
        QLineEdit* edit = makeEdit(name, maxLength, qtMask);
        add(
            [&field, edit](ConfigImage& image, RecordAt<R> at) {
                if (edit->inputMask().isEmpty())
                    edit->setText(edit->text().trimmed());
                const NumberBounds range = domainBounds(field.info);
                image.set(at, field,
                          uint32_t(clampedInteger(edit->text(), field.info.domain.fallback, range.low, range.high)));
            },
            [&field, edit](const ConfigImage& image, RecordAt<R> at) {
                edit->setText(QString::number(image.get(at, field)));
            });
        return edit;
    }

    // A dotted address in a masked edit ("192.168.  1.  1").
    QLineEdit* ipv4(const Field<R, FieldKind::IPv4>& field, const QString& name)
    {
        QLineEdit* edit = makeEdit(name, 15, QStringLiteral("000.000.000.000; "));
        add([&field, edit](ConfigImage& image,
                           RecordAt<R> at) { image.set(at, field, readDottedAddress(edit->displayText())); },
            [&field, edit](const ConfigImage& image, RecordAt<R> at) {
                edit->setText(slottedAddress(image.get(at, field)));
            });
        return edit;
    }

    // A floating-point value: "," reads as ".", text that is no number stores 0;
    // shown with 7 significant digits.
    QLineEdit* real(const Field<R, FieldKind::Float>& field, const QString& name, int maxLength)
    {
        QLineEdit* edit = makeEdit(name, maxLength);
        add([&field, edit](ConfigImage& image, RecordAt<R> at) { image.setReal(at, field, parseReal(edit->text())); },
            [&field, edit](const ConfigImage& image, RecordAt<R> at) {
                edit->setText(QString::number(double(image.real(at, field)), 'g', 7));
            });
        return edit;
    }

    // A track bar whose position is the field's value.
    template <FieldKind K>
        requires NumberKind<K>
    void bind(const Field<R, K>& field, QSlider* bar)
    {
        add([&field, bar](ConfigImage& image, RecordAt<R> at) { image.set(at, field, uint32_t(bar->value())); },
            [&field, bar](const ConfigImage& image, RecordAt<R> at) { bar->setValue(int(image.get(at, field))); });
    }
    // The same, made over the field's range.
    template <FieldKind K>
        requires NumberKind<K>
    QSlider* trackBar(const Field<R, K>& field, const QString& name, Qt::Orientation orientation = Qt::Horizontal)
    {
        auto* bar = new QSlider(orientation);
        bar->setObjectName(name);
        const NumberBounds range = domainBounds(field.info);
        bar->setRange(int(range.low), int(range.high));
        bind(field, bar);
        return bar;
    }

    // The seven action boxes of one event, one per output number 0-6, named
    // `prefix` + 1..7, on a field of seven bytes.
    std::array<QComboBox*, 7> actionRow(const Field<R, FieldKind::U8>& field, const QString& prefix)
    {
        std::array<QComboBox*, 7> boxes{};
        for (std::size_t k = 0; k < boxes.size(); ++k)
            boxes[k] = combo(field, prefix + QString::number(k + 1), k);
        return boxes;
    }

    // An edit with its up-down over the field's range (kit/UpDownEdit.h: an
    // emptied edit is 0, a number typed past the range its end); its edit field
    // is named `editName`.
    template <FieldKind K>
        requires NumberKind<K>
    UpDownEdit* upDown(const Field<R, K>& field, const QString& name, const QString& editName)
    {
        const NumberBounds range = domainBounds(field.info);
        UpDownEdit* box = makeUpDown(name, editName, int(range.low), int(range.high));
        add([&field, box](ConfigImage& image, RecordAt<R> at) { image.set(at, field, uint32_t(box->value())); },
            [&field, box](const ConfigImage& image, RecordAt<R> at) { box->setValue(int(image.get(at, field))); });
        return box;
    }

    // One check box per bit of a mask field: box n keeps bit n.
    template <FieldKind K, std::size_t N>
        requires NumberKind<K>
    void maskBoxes(const Field<R, K>& field, const std::array<QCheckBox*, N>& boxes)
    {
        add(
            [&field, boxes](ConfigImage& image, RecordAt<R> at) {
                uint32_t mask = 0;
                for (std::size_t n = 0; n < N; ++n)
                    mask |= uint32_t(boxes[n]->isChecked()) << n;
                image.set(at, field, mask);
            },
            [&field, boxes](const ConfigImage& image, RecordAt<R> at) {
                const uint32_t mask = image.get(at, field);
                for (std::size_t n = 0; n < N; ++n)
                    boxes[n]->setChecked((mask >> n) & 1);
            });
    }

    // The bindings of a sub-record (`index` of the array), run at this point of the order.
    template <class Sub> Bindings<Sub>& sub(const SubRecords<R, Sub>& field, std::size_t index = 0)
    {
        auto child = std::make_unique<Bindings<Sub>>(host_);
        Bindings<Sub>* bindings = child.get();
        children_.push_back(std::move(child));
        add([&field, bindings, index](ConfigImage& image,
                                      RecordAt<R> at) { bindings->store(image, field(at, index)); },
            [&field, bindings, index](const ConfigImage& image, RecordAt<R> at) {
                bindings->show(image, field(at, index));
            });
        return *bindings;
    }

    // The bindings of a record elsewhere in the image (`index` of `array`),
    // run at this point of the order whatever record the page edits.
    template <class Other> Bindings<Other>& elsewhere(const RecordArray<Other>& array, std::size_t index = 0)
    {
        auto child = std::make_unique<Bindings<Other>>(host_);
        Bindings<Other>* bindings = child.get();
        children_.push_back(std::move(child));
        const RecordAt<Other> place = array[index];
        add([bindings, place](ConfigImage& image, RecordAt<R>) { bindings->store(image, place); },
            [bindings, place](const ConfigImage& image, RecordAt<R>) { bindings->show(image, place); });
        return *bindings;
    }

private:
    // Item i stands for the value the declaration gives it; a field without items stores the index.
    static long long valueOfIndex(const FieldInfo& field, int index)
    {
        return field.domain.hasItems() ? field.domain.valueOf(index) : index;
    }
    static long long indexOfValue(const FieldInfo& field, long long value)
    {
        return field.domain.hasItems() ? field.domain.indexOf(value) : value;
    }

    static QString trimmed(const QString& text, Trim trim)
    {
        if (trim == Trim::Both)
            return text.trimmed();
        if (trim == Trim::Leading) {
            qsizetype i = 0;
            while (i < text.size() && text[i].isSpace())
                ++i;
            return text.mid(i);
        }
        return text;
    }
    static void storeText(ConfigImage& image, RecordAt<R> at, const Field<R, FieldKind::Text>& field,
                          const QString& text, TextStore how)
    {
        if (how == TextStore::Padded)
            image.setTextPadded(at, field, toCp1251(text));
        else
            image.setTextTerminated(at, field, toCp1251(text));
    }

    struct Step {
        StoreStep store;
        ShowStep show;
    };
    std::vector<Step> steps_;
    std::vector<std::unique_ptr<BindingsBase>> children_;
    const PageHost* host_ = nullptr;
};

} // namespace vrm::kit
