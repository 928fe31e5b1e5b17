#include "screens/nozzle_output.h"

#include "app/logo.h"
#include "calc/nozzle_selection.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

namespace zelk {

namespace {

constexpr int kFieldWidth = 1455; // twips, every field
constexpr int kCaptionLeft = 480;
constexpr int kFieldLeft = 3480;
constexpr int kGap = 8; // pixels between a caption and its field
// Controls from here rightwards (Label4 is the leftmost) move with the fields.
constexpr int kRightOfCaptions = 3240;

QFrame* frameLine(QWidget* parent, const char* name, QRect geometry) {
    auto* line = new QFrame(parent);
    line->setObjectName(QLatin1String(name));
    line->setFrameShape(geometry.height() == 1 ? QFrame::HLine : QFrame::VLine);
    line->setFrameShadow(QFrame::Plain);
    line->setLineWidth(1);
    line->setGeometry(geometry);
    return line;
}

} // namespace

Nozzleoutput::Nozzleoutput(Services& services) : ScreenWindow(services) {
    setObjectName(QStringLiteral("Nozzleoutput"));
    setWindowTitle(QStringLiteral("Nozzle Selection - Metric"));

    // Positions and widths in twips, grown for a large font.
    const double scale = ui::FontScale(font());
    const auto at = [scale](int twips) { return ui::px(twips, scale); };

    auto* logo = new Logo(this, 56);
    logo->move(at(240), at(180));

    auto* heading = makeLabel(QStringLiteral("Label5(2)"), QStringLiteral("Nozzle Selection"));
    QFont headingFont = heading->font();
    headingFont.setBold(true);
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.4);
    heading->setFont(headingFont);
    heading->adjustSize();

    auto* label1 = makeLabel(QStringLiteral("Label1"),
                             QStringLiteral("Enter Desired Application Rate in L/ha"));
    Text1_ = makeEntry(QStringLiteral("Text1"), QStringLiteral("Enter Application Rate"));
    auto* label2 =
        makeLabel(QStringLiteral("Label2"), QStringLiteral("Enter Application Speed in km/h"));
    Text2_ = makeEntry(QStringLiteral("Text2"), QStringLiteral("Enter km/h"));
    auto* label3 =
        makeLabel(QStringLiteral("Label3"), QStringLiteral("Enter Nozzle Spacing in Centimeters."));
    Text3_ = makeEntry(QStringLiteral("Text3"), QStringLiteral("Enter Nozzle Spacing in cm"));

    // Everything right of the captions moves right as far as the longest
    // caption needs at the system font; at a small font nothing moves.
    int captionWidth = 0;
    for (QLabel* caption : {label1, label2, label3})
        captionWidth = std::max(captionWidth, caption->sizeHint().width());
    const int shift = std::max(0, at(kCaptionLeft) + captionWidth + kGap - at(kFieldLeft));
    const auto x = [shift, &at](int twips) {
        return at(twips) + (twips >= kRightOfCaptions ? shift : 0);
    };
    const auto place = [&x, &at](QWidget* widget, int left, int top, int width) {
        widget->setGeometry(x(left), at(top), at(width), widget->sizeHint().height());
    };
    // A caption centred on its field's height.
    const auto placeBeside = [&x](QLabel* label, int left, const QWidget* field) {
        label->adjustSize();
        label->move(x(left), field->y() + (field->height() - label->height()) / 2);
    };
    // Wrapped in its width, as tall as its lines need.
    const auto placeWrapped = [&x, &at](QLabel* label, int left, int top, int width) {
        label->setWordWrap(true);
        label->setGeometry(x(left), at(top), at(width), label->heightForWidth(at(width)));
    };

    place(Text1_, kFieldLeft, 1200, kFieldWidth);
    place(Text2_, kFieldLeft, 1920, kFieldWidth);
    place(Text3_, kFieldLeft, 2640, kFieldWidth);
    placeBeside(label1, kCaptionLeft, Text1_);
    placeBeside(label2, kCaptionLeft, Text2_);
    placeBeside(label3, kCaptionLeft, Text3_);

    auto* calculate = makeButton(QStringLiteral("Command1"), QStringLiteral("Calculate"));
    auto* reset = makeButton(QStringLiteral("Command2"), QStringLiteral("Reset"));
    const int buttonWidth =
        std::max({at(1215), calculate->sizeHint().width(), reset->sizeHint().width()});
    calculate->setGeometry(at(480), at(3480), buttonWidth, calculate->sizeHint().height());
    reset->setGeometry(at(480), at(4080), buttonWidth, reset->sizeHint().height());

    Text4_[0] = makeResult(QStringLiteral("Text4(0)"));
    place(Text4_[0], kFieldLeft, 3360, kFieldWidth);
    auto* label4 = makeLabel(QStringLiteral("Label4"), QStringLiteral("l/min. per Nozzle"));
    label4->adjustSize();
    label4->move(x(3240), at(3960));

    // The range column, framed by four lines.
    auto* rangeHeading = makeLabel(QStringLiteral("Label6(1)"), QStringLiteral("Acceptable Range"));
    placeWrapped(rangeHeading, 5760, 1560, 7680 - 5760);
    Text4_[1] = makeResult(QStringLiteral("Text4(1)"));
    place(Text4_[1], 5760, 2280, kFieldWidth);
    auto* plus = makeLabel(QStringLiteral("Label5(0)"), QStringLiteral("+"));
    Text4_[2] = makeResult(QStringLiteral("Text4(2)"));
    place(Text4_[2], 5760, 2880, kFieldWidth);
    auto* minus = makeLabel(QStringLiteral("Label5(1)"), QStringLiteral("-"));
    for (auto [mark, field] : {std::pair{plus, Text4_[1]}, std::pair{minus, Text4_[2]}}) {
        QFont markFont = mark->font();
        markFont.setBold(true);
        mark->setFont(markFont);
        placeBeside(mark, 7320, field);
    }
    auto* note = makeLabel(QStringLiteral("Label6(0)"),
                           QStringLiteral("Refer to Nozzle Chart (Nozzle l/min Column)"));
    placeWrapped(note, 5760, 3480, 7680 - 5760);

    const int left = x(5640), top = at(1440), right = x(7800), bottom = at(4560);
    frameLine(this, "Line1", QRect(left, top, right - left + 1, 1));
    frameLine(this, "Line2", QRect(right, top, 1, bottom - top + 1));
    frameLine(this, "Line3", QRect(left, bottom, right - left + 1, 1));
    frameLine(this, "Line4", QRect(left, top, 1, bottom - top + 1));

    label1->setBuddy(Text1_);
    label2->setBuddy(Text2_);
    label3->setBuddy(Text3_);
    label4->setBuddy(Text4_[0]);
    plus->setBuddy(Text4_[1]);
    minus->setBuddy(Text4_[2]);
    Text1_->setAccessibleName(label1->text());
    Text2_->setAccessibleName(label2->text());
    Text3_->setAccessibleName(label3->text());
    Text4_[0]->setAccessibleName(label4->text());
    Text4_[1]->setAccessibleName(QStringLiteral("Acceptable Range +"));
    Text4_[2]->setAccessibleName(QStringLiteral("Acceptable Range -"));

    setTabOrder(Text1_, Text2_);
    setTabOrder(Text2_, Text3_);
    setTabOrder(Text3_, calculate);
    setTabOrder(calculate, reset);
    Text1_->setFocus();

    const QSize client(x(8400), at(5160));
    // The heading stays centred over the window, however far the columns moved.
    heading->move((client.width() - heading->width()) / 2, at(480));
    setMinimumSize(client);
    resize(client);

    connect(calculate, &QPushButton::clicked, this, &Nozzleoutput::Command1_Click);
    connect(reset, &QPushButton::clicked, this, &Nozzleoutput::Command2_Click);
}

void Nozzleoutput::Form_Load() {
    ClearNozzleSelection(services_.record);
}

void Nozzleoutput::Form_Unload() {
    StoreNozzleSelection(services_.record, {text(Text1_), text(Text2_), text(Text3_),
                                            text(Text4_[0]), text(Text4_[1]), text(Text4_[2])});
}

void Nozzleoutput::Command1_Click() {
    const auto outcome =
        NozzleSelection(text(Text1_), text(Text2_), text(Text3_), decimalSeparator());
    if (const auto* error = std::get_if<EntryError>(&outcome)) {
        showEntryError(*error);
        return;
    }
    const NozzleFlows& flows = std::get<NozzleFlows>(outcome);
    setText(Text4_[0], flows.flow);
    if (const auto* error = std::get_if<EntryError>(&flows.range)) {
        showEntryError(*error);
        return;
    }
    const NozzleRange& range = std::get<NozzleRange>(flows.range);
    setText(Text4_[2], range.lower);
    setText(Text4_[1], range.upper);
}

void Nozzleoutput::Command2_Click() {
    for (QLineEdit* field : {Text1_, Text2_, Text3_, Text4_[0], Text4_[1], Text4_[2]})
        field->clear();
}

} // namespace zelk
