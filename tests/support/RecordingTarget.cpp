#include "tests/support/RecordingTarget.h"

#include <QFontMetricsF>
#include <QPainter>

namespace {

constexpr double DevicePerPoint = RecordingDevice::Dpi / 72.0;

class RecordingEngine : public QPaintEngine {
public:
    explicit RecordingEngine(PrintRecord& record) : QPaintEngine(AllFeatures), record_(record) {}

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    Type type() const override { return User; }

    void drawTextItem(const QPointF& baseline, const QTextItem& item) override
    {
        const QPointF topLeft(baseline.x(), baseline.y() - item.ascent());
        record_.texts.push_back(
            {item.text(), topLeft / DevicePerPoint, item.font().pointSizeF(), item.font().underline(), record_.page,
             item.font().italic()});
    }
    void drawImage(const QRectF& rect, const QImage& image, const QRectF&, Qt::ImageConversionFlags) override
    {
        record_.imageRects.push_back({rect.topLeft() / DevicePerPoint, rect.size() / DevicePerPoint});
        record_.imageSizes.push_back(image.size());
    }
    void drawPixmap(const QRectF& rect, const QPixmap& pixmap, const QRectF& source) override
    {
        drawImage(rect, pixmap.toImage(), source, Qt::AutoColor);
    }
    void drawPath(const QPainterPath&) override {}
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}

private:
    PrintRecord& record_;
};

}  // namespace

RecordingDevice::RecordingDevice(QSizeF printableSize, PrintRecord& record)
    : printableSize_(printableSize), engine_(std::make_unique<RecordingEngine>(record))
{
}

RecordingDevice::~RecordingDevice() = default;

int RecordingDevice::metric(PaintDeviceMetric metric) const
{
    switch (metric) {
    case PdmWidth: return qRound(printableSize_.width() * DevicePerPoint);
    case PdmHeight: return qRound(printableSize_.height() * DevicePerPoint);
    case PdmWidthMM: return qRound(printableSize_.width() * 25.4 / 72.0);
    case PdmHeightMM: return qRound(printableSize_.height() * 25.4 / 72.0);
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY: return Dpi;
    case PdmNumColors: return 0x7fffffff;
    case PdmDepth: return 32;
    case PdmDevicePixelRatio: return 1;
    case PdmDevicePixelRatioScaled: return static_cast<int>(devicePixelRatioFScale());
    }
    return 0;
}

bool RecordingTarget::begin(QPageLayout::Orientation orientation, QPainter& painter)
{
    if (behaviour_ == Behaviour::CannotStart) {
        failure_ = QStringLiteral("There is no default printer.");
        return false;
    }
    ++record_.jobsStarted;
    record_.orientation = orientation;
    record_.page = 0;
    printable_ = orientation == QPageLayout::Portrait ? portrait_ : portrait_.transposed();
    device_ = std::make_unique<RecordingDevice>(printable_, record_);
    return painter.begin(device_.get());
}

bool RecordingTarget::newPage(QPainter&)
{
    ++record_.page;
    return true;
}

bool RecordingTarget::end(QPainter& painter)
{
    painter.end();
    ++record_.jobsEnded;
    if (behaviour_ == Behaviour::FailsAtEnd) {
        failure_ = QStringLiteral("The printer reported an error.");
        return false;
    }
    return true;
}

void RecordingTarget::abort(QPainter& painter)
{
    painter.end();
    ++record_.jobsAborted;
}

double RecordedLineHeight(double fontSize)
{
    PrintRecord unused;
    const RecordingDevice device(FakePrintDestinations::LetterPrintable, unused);
    QFont font;
    font.setPointSizeF(fontSize);
    return QFontMetricsF(font, &device).lineSpacing() / DevicePerPoint;
}
