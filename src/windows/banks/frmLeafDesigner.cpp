#include "frmLeafDesigner.h"

#include "core/base/Failure.h"
#include "core/base/Files.h"
#include "core/base/ProgramInfo.h"
#include "core/base/Prompter.h"
#include "core/layout/CrossingStamp.h"
#include "core/layout/Fonts.h"
#include "widgets/AppServices.h"
#include "widgets/WindowKeys.h"

#include <QBuffer>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGraphicsPixmapItem>
#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QGraphicsSceneMouseEvent>
#include <QGraphicsView>
#include <QHBoxLayout>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPdfDocument>
#include <QPushButton>
#include <QStyleOptionGraphicsItem>
#include <QVBoxLayout>

#include <cmath>

namespace quillset {

namespace {

constexpr double kTwipsPerMillimetre = 56.7;
constexpr double kHandleTwips = 90;
constexpr double kScreenPixelsPerCentimetre = 96 / 2.54;
// A scan of a leaf at the finest a scanner gives is a few tens of megabytes.
constexpr qint64 kLargestScan = 200 * 1024 * 1024;

// The small square at a box's bottom-right corner that resizes it.
class ResizeHandle final : public QGraphicsRectItem
{
public:
    ResizeHandle(QGraphicsItem *box, const QPointF &corner, std::function<void(const QPointF &)> resized)
        : QGraphicsRectItem(-kHandleTwips / 2, -kHandleTwips / 2, kHandleTwips, kHandleTwips, box)
    {
        // Placed before it reports: the box's first place is not a resize.
        setPos(corner);
        m_resized = std::move(resized);
        setFlags(ItemIsMovable | ItemSendsGeometryChanges);
        setBrush(QColor(0x1f, 0x5f, 0xbf));
        setPen(Qt::NoPen);
        setCursor(Qt::SizeFDiagCursor);
        setZValue(1);
    }

protected:
    QVariant itemChange(GraphicsItemChange change, const QVariant &value) override
    {
        if (change == ItemPositionChange && m_resized) {
            // A box is never smaller than a millimetre either way.
            QPointF corner = value.toPointF();
            corner.setX(qMax(corner.x(), kTwipsPerMillimetre));
            corner.setY(qMax(corner.y(), kTwipsPerMillimetre));
            return corner;
        }
        if (change == ItemPositionHasChanged && m_resized)
            m_resized(value.toPointF());
        return QGraphicsRectItem::itemChange(change, value);
    }

private:
    std::function<void(const QPointF &)> m_resized;
};

// One field's box: dragged, or moved by the arrow keys, as a whole.
class BoxItem final : public QGraphicsRectItem
{
public:
    BoxItem(DesignBox &box, std::function<void()> changed)
        : QGraphicsRectItem(0, 0, box.rect.width(), box.rect.height())
        , m_box(box)
        , m_changed(std::move(changed))
    {
        setPos(box.rect.topLeft());
        setFlags(ItemIsMovable | ItemIsSelectable | ItemIsFocusable | ItemSendsGeometryChanges);
        setCursor(Qt::SizeAllCursor);
        setToolTip(box.label);
        m_handle = new ResizeHandle(this, rect().bottomRight(), [this](const QPointF &corner) { resizeTo(corner); });
    }

    void paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *) override
    {
        const bool chosen = isSelected();
        QPen pen(chosen ? QColor(0x1f, 0x5f, 0xbf) : QColor(0xb0, 0x30, 0x30), chosen ? 2 : 1);
        pen.setCosmetic(true); // the same on screen at any zoom
        painter->setPen(pen);
        painter->setBrush(chosen ? QColor(0x1f, 0x5f, 0xbf, 30) : QColor(0xff, 0xff, 0xff, 90));
        painter->drawRect(rect());
        paintSample(*painter);
        QFont small(chequeFontFamily());
        small.setPixelSize(110);
        painter->setFont(small);
        painter->setPen(QColor(0xb0, 0x30, 0x30));
        painter->drawText(rect().topLeft() + QPointF(0, -20), m_box.label);
    }

    /// Takes the box's place and size again after the window changed them.
    void sync()
    {
        setVisible(m_box.shown);
        setRect(0, 0, m_box.rect.width(), m_box.rect.height());
        setPos(m_box.rect.topLeft());
        m_handle->setPos(rect().bottomRight());
        update();
    }

protected:
    QVariant itemChange(GraphicsItemChange change, const QVariant &value) override
    {
        if (change == ItemPositionHasChanged) {
            m_box.rect.moveTopLeft(value.toPointF());
            if (m_changed)
                m_changed();
        }
        return QGraphicsRectItem::itemChange(change, value);
    }

    void keyPressEvent(QKeyEvent *event) override
    {
        // A millimetre a press; a tenth of one with Shift, for the last nudge.
        const double step = event->modifiers() & Qt::ShiftModifier ? kTwipsPerMillimetre / 10 : kTwipsPerMillimetre;
        QPointF by;
        switch (event->key()) {
        case Qt::Key_Left:
            by = {-step, 0};
            break;
        case Qt::Key_Right:
            by = {step, 0};
            break;
        case Qt::Key_Up:
            by = {0, -step};
            break;
        case Qt::Key_Down:
            by = {0, step};
            break;
        default:
            QGraphicsRectItem::keyPressEvent(event);
            return;
        }
        setPos(pos() + by);
        event->accept();
    }

private:
    // The sample as the cheque prints it: the crossing drawn as the stamp, the strike's line, the
    // date a digit to a box, any other text on its line.
    void paintSample(QPainter &painter) const
    {
        if (m_box.sizedBothWays) {
            drawCrossingStamp(painter, rect(), m_box.sample, chequeFontFamily(), 1);
            return;
        }
        if (m_box.name == QLatin1String("BearerStrike")) {
            painter.fillRect(QRectF(0, rect().center().y() - 10, rect().width(), 20), Qt::black);
            return;
        }
        QFont font(chequeFontFamily());
        font.setPixelSize(qRound(m_box.pointSize * 20)); // the scene is in twips, 20 to a point
        font.setBold(m_box.bold);
        painter.setFont(font);
        painter.setPen(Qt::black);
        if (m_box.cells > 0) {
            const double pitch = rect().width() / m_box.cells;
            for (int i = 0; i < m_box.cells; ++i) {
                const QRectF cell(i * pitch, 0, pitch, rect().height());
                painter.setPen(QPen(QColor(0xb0, 0x30, 0x30), 0));
                if (i > 0)
                    painter.drawLine(cell.topLeft(), cell.bottomLeft());
                painter.setPen(Qt::black);
                painter.drawText(cell, Qt::AlignCenter | Qt::TextDontClip, m_box.sample.mid(i, 1));
            }
            return;
        }
        painter.drawText(rect().adjusted(10, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextDontClip,
                         m_box.sample);
    }

    void resizeTo(const QPointF &corner)
    {
        const double height = m_box.sizedBothWays ? corner.y() : rect().height();
        setRect(0, 0, corner.x(), height);
        m_box.rect.setSize({corner.x(), height});
        if (!m_box.sizedBothWays && qAbs(m_handle->pos().y() - height) > 1e-9)
            m_handle->setPos(corner.x(), height);
        if (m_changed)
            m_changed();
    }

    DesignBox &m_box;
    std::function<void()> m_changed;
    ResizeHandle *m_handle = nullptr;
};

QPushButton *button(QWidget *parent, const char *name, const QString &caption)
{
    auto *made = new QPushButton(caption, parent);
    made->setObjectName(QString::fromLatin1(name));
    return made;
}

} // namespace

frmLeafDesigner::frmLeafDesigner(AppServices &services, BankAccountRecord account,
                                 std::function<bool(const BankAccountRecord &)> save, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_services(services)
    , m_account(std::move(account))
    , m_save(std::move(save))
{
    setObjectName(QStringLiteral("frmLeafDesigner"));
    setWindowTitle(tr("Design on leaf: %1").arg(m_account.bankId));
    setAttribute(Qt::WA_DeleteOnClose);
    m_boxes = designBoxes(m_account, *m_services.metrics);
    buildControls();
    m_pitch->setEnabled(m_account.date.layout == DateLayout::Boxes);
    resize(960, 700);
    setPixelsPerCentimetre(kScreenPixelsPerCentimetre);
    showValues();
    m_accountAtOpen = designed();
    useAccessKeys(*this);
    // Escape is Cancel; boxes moved and not saved are asked about first.
    cancelOnEscape(*this, [this] {
        if (designed() == m_accountAtOpen
            || m_services.prompter.ask(kProgramTitle,
                                       tr("Close the designer without saving the boxes you moved or the marks you "
                                          "changed? The account keeps its layout as it was.")))
            close();
    });
}

frmLeafDesigner::~frmLeafDesigner() = default;

void frmLeafDesigner::buildControls()
{
    m_scene = new QGraphicsScene(this);
    const QRectF leaf(0, 0, m_account.value(Measurement::Width).value_or(0) * 567.0,
                      m_account.value(Measurement::Height).value_or(0) * 567.0);
    m_scene->setSceneRect(leaf.adjusted(-567, -567, 567, 567));
    auto *sheet = m_scene->addRect(leaf, QPen(Qt::black, 0), QColor(0xfb, 0xf8, 0xef));
    sheet->setZValue(-2);
    for (DesignBox &box : m_boxes) {
        auto *item = new BoxItem(box, [this] { boxesChanged(); });
        item->setVisible(box.shown);
        m_scene->addItem(item);
        m_items.append(item);
    }

    m_view = new QGraphicsView(m_scene, this);
    m_view->setObjectName(QStringLiteral("viewLeaf"));
    m_view->setRenderHint(QPainter::Antialiasing);
    m_view->setDragMode(QGraphicsView::RubberBandDrag);
    m_view->setTransformationAnchor(QGraphicsView::AnchorUnderMouse);
    m_view->viewport()->installEventFilter(this);

    // Save keeps Alt+S: the scan takes L.
    auto *scan = button(this, "cmdScan", tr("&Load scan..."));
    auto *zoomIn = button(this, "cmdZoomIn", tr("Zoom &in"));
    auto *zoomOut = button(this, "cmdZoomOut", tr("Zoom &out"));
    auto *fit = button(this, "cmdFit", tr("&Fit leaf"));
    auto *saveButton = button(this, "cmdSave", tr("&Save"));
    auto *cancel = button(this, "cmdCancel", tr("Cancel"));
    m_hint = new QLabel(tr("Drag a box to move it, or its blue corner to size it. The arrow keys move "
                           "the chosen box 1 mm, with Shift 0.1 mm."),
                        this);
    m_hint->setObjectName(QStringLiteral("lblHint"));
    m_values = new QLabel(this);
    m_values->setObjectName(QStringLiteral("lblValues"));
    m_values->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto *marks = buildMarks();

    auto *tools = new QHBoxLayout;
    for (QPushButton *tool : {scan, zoomIn, zoomOut, fit})
        tools->addWidget(tool);
    tools->addWidget(m_hint, 1);
    auto *commands = new QHBoxLayout;
    commands->addWidget(m_values, 1);
    commands->addWidget(saveButton, 0, Qt::AlignBottom);
    commands->addWidget(cancel, 0, Qt::AlignBottom);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(tools);
    layout->addWidget(m_view, 1);
    layout->addWidget(marks);
    layout->addLayout(commands);

    connect(scan, &QPushButton::clicked, this, &frmLeafDesigner::chooseScan);
    connect(zoomIn, &QPushButton::clicked, this, [this] { m_view->scale(1.25, 1.25); });
    connect(zoomOut, &QPushButton::clicked, this, [this] { m_view->scale(0.8, 0.8); });
    connect(fit, &QPushButton::clicked, this, &frmLeafDesigner::fitLeaf);
    connect(saveButton, &QPushButton::clicked, this, &frmLeafDesigner::save);
    connect(cancel, &QPushButton::clicked, this, &QWidget::close);
}

BankAccountRecord frmLeafDesigner::designed() const
{
    return withDesign(m_account, m_boxes, *m_services.metrics);
}

void frmLeafDesigner::setPixelsPerCentimetre(double pixels)
{
    m_view->setTransform(QTransform::fromScale(pixels / 567.0, pixels / 567.0));
}

void frmLeafDesigner::fitLeaf()
{
    m_view->fitInView(m_scene->sceneRect(), Qt::KeepAspectRatio);
}

QWidget *frmLeafDesigner::buildMarks()
{
    // What the leaf prints besides the fields; the access keys keep clear of the tools' L, I, O, F, S.
    auto *marks = new QWidget(this);
    auto *form = new QFormLayout;
    auto *money = new QFormLayout;
    auto *row = new QHBoxLayout(marks);
    row->setContentsMargins(0, 0, 0, 0);
    row->addLayout(form, 1);
    row->addLayout(money, 1);

    m_dateLayout = new QComboBox(marks);
    m_dateLayout->setObjectName(QStringLiteral("cmbDateLayout"));
    for (const DateLayout layout :
         {DateLayout::Boxes, DateLayout::DashedNumbers, DateLayout::SlashedNumbers, DateLayout::Written})
        m_dateLayout->addItem(layout == DateLayout::Boxes         ? tr("A digit to a box")
                                  : layout == DateLayout::Written ? tr("06 December 2026")
                                                                  : dateLayoutWord(layout),
                              static_cast<int>(layout));
    m_dateLayout->setCurrentIndex(m_dateLayout->findData(static_cast<int>(m_account.date.layout)));
    m_pitch = new QDoubleSpinBox(marks);
    m_pitch->setObjectName(QStringLiteral("txtBoxPitch"));
    m_pitch->setRange(0, 2);
    m_pitch->setSingleStep(0.01);
    m_pitch->setDecimals(2);
    m_pitch->setSuffix(tr(" cm"));
    m_pitch->setSpecialValueText(tr("spread as always"));
    m_pitch->setValue(m_account.date.boxPitch.value_or(0));
    m_crossing = new QComboBox(marks);
    m_crossing->setObjectName(QStringLiteral("cmbCrossing"));
    m_crossing->setEditable(true);
    m_crossing->addItems(offeredCrossings());
    const QString words = crossingShown(m_account.marks.crossing());
    if (m_crossing->findText(words) < 0)
        m_crossing->addItem(words);
    m_crossing->setCurrentText(words);
    m_strike = new QCheckBox(tr("Stri&ke \"OR BEARER\""), marks);
    m_strike->setObjectName(QStringLiteral("chkBearerStrike"));
    m_strike->setChecked(m_account.marks.bearerStrike.isSet());
    m_filler = new QLineEdit(m_account.marks.filler, marks);
    m_filler->setObjectName(QStringLiteral("txtFiller"));
    m_filler->setMaxLength(5);
    m_subunitFirst = new QCheckBox(tr("S&ubunit before its number (\"and Paise Fifty\")"), marks);
    m_subunitFirst->setObjectName(QStringLiteral("chkSubunitFirst"));
    m_subunitFirst->setChecked(m_account.money.subunitFirst);
    m_sign = new QLineEdit(m_account.money.currencySign, marks);
    m_sign->setObjectName(QStringLiteral("txtCurrencySign"));
    m_sign->setMaxLength(3);

    form->addRow(tr("Da&te:"), m_dateLayout);
    form->addRow(tr("Box &pitch:"), m_pitch);
    form->addRow(tr("C&rossing:"), m_crossing);
    money->addRow(m_strike);
    money->addRow(tr("Fill&er:"), m_filler);
    money->addRow(m_subunitFirst);
    money->addRow(tr("Currency si&gn:"), m_sign);

    connect(m_dateLayout, &QComboBox::currentIndexChanged, this, &frmLeafDesigner::marksChanged);
    connect(m_pitch, &QDoubleSpinBox::valueChanged, this, &frmLeafDesigner::marksChanged);
    connect(m_crossing, &QComboBox::currentTextChanged, this, &frmLeafDesigner::marksChanged);
    connect(m_strike, &QCheckBox::toggled, this, &frmLeafDesigner::marksChanged);
    connect(m_filler, &QLineEdit::textChanged, this, &frmLeafDesigner::marksChanged);
    connect(m_subunitFirst, &QCheckBox::toggled, this, &frmLeafDesigner::marksChanged);
    connect(m_sign, &QLineEdit::textChanged, this, &frmLeafDesigner::marksChanged);
    return marks;
}

DesignBox *frmLeafDesigner::box(const QString &name)
{
    for (DesignBox &each : m_boxes) {
        if (each.name == name)
            return &each;
    }
    return nullptr;
}

void frmLeafDesigner::marksChanged()
{
    if (m_syncing)
        return;
    m_account.date.layout = static_cast<DateLayout>(m_dateLayout->currentData().toInt());
    m_account.date.boxPitch = m_pitch->value() > 0 ? std::optional<double>(m_pitch->value()) : std::nullopt;
    m_account.marks.crossingWords = crossingFromWords(m_crossing->currentText());
    m_account.marks.filler = m_filler->text().trimmed();
    m_account.money.subunitFirst = m_subunitFirst->isChecked();
    m_account.money.currencySign = m_sign->text().trimmed();
    m_pitch->setEnabled(m_account.date.layout == DateLayout::Boxes);
    // The date's box is the row of boxes at their pitch, or the date's field as measured.
    if (DesignBox *date = box(QStringLiteral("lblDate"))) {
        const bool boxes = m_account.date.layout == DateLayout::Boxes && m_account.date.boxPitch;
        date->cells = boxes ? 8 : 0;
        date->rect.setWidth(boxes ? *m_account.date.boxPitch * 8 * 567.0
                                  : m_account.value(Measurement::DateWidth).value_or(1) * 567.0);
    }
    if (DesignBox *strike = box(QStringLiteral("BearerStrike")))
        strike->shown = m_strike->isChecked();
    refreshSamples();
}

void frmLeafDesigner::boxesChanged()
{
    // Dragging the date's boxes wider or narrower changes their pitch.
    if (const DesignBox *date = box(QStringLiteral("lblDate")); date && date->cells > 0 && !m_syncing) {
        m_syncing = true;
        m_pitch->setValue(date->rect.width() / date->cells / 567.0);
        m_account.date.boxPitch = m_pitch->value();
        m_syncing = false;
    }
    showValues();
}

void frmLeafDesigner::refreshSamples()
{
    try {
        const QList<DesignBox> fresh = designBoxes(designed(), *m_services.metrics);
        for (DesignBox &each : m_boxes) {
            for (const DesignBox &now : fresh) {
                if (now.name == each.name) {
                    each.sample = now.sample;
                    each.pointSize = now.pointSize;
                }
            }
        }
    } catch (const Failure &) {
        // A measurement missing: the samples stay as they were, and Save says what is missing.
    }
    m_syncing = true;
    for (QGraphicsRectItem *item : std::as_const(m_items))
        static_cast<BoxItem *>(item)->sync();
    m_syncing = false;
    showValues();
}

void frmLeafDesigner::showValues()
{
    const BankAccountRecord now = designed();
    QStringList lines;
    for (const DesignBox &box : m_boxes)
        lines.append(QStringLiteral("%1: %2").arg(box.label, designValues(now, box.name)));
    m_values->setText(lines.join(u'\n'));
}

void frmLeafDesigner::chooseScan()
{
    if (!m_services.chooseOpenFile)
        return;
    const QString path
        = m_services.chooseOpenFile(tr("A scan or photograph of a blank leaf"), tr("Scans (*.png *.jpg *.jpeg *.pdf)"));
    if (!path.isEmpty())
        loadScan(path);
}

bool frmLeafDesigner::loadScan(const QString &path)
{
    // Read once, as an ordinary file of bounded size, so a pipe or a device named here waits on nothing.
    QByteArray content;
    try {
        content = readFile(path, kLargestScan, tr("The scan"));
    } catch (const Failure &failure) {
        m_services.prompter.message(kProgramTitle, failure.description(), Prompter::Icon::Warning);
        return false;
    }
    QBuffer bytes(&content);
    bytes.open(QIODevice::ReadOnly);
    QImage image;
    if (content.startsWith("%PDF-")) {
        QPdfDocument document;
        document.load(&bytes);
        if (document.status() == QPdfDocument::Status::Ready && document.pageCount() > 0) {
            const QSizeF points = document.pagePointSize(0);
            image = document.render(0, (points * 200.0 / 72.0).toSize()); // 200 dpi is plenty to place by
        }
    } else {
        QImageReader reader(&bytes);
        reader.setAutoTransform(true);
        image = reader.read();
    }
    if (image.isNull()) {
        m_services.prompter.message(kProgramTitle,
                                    tr("\"%1\" could not be read as a picture (PNG, JPEG) or a PDF.").arg(path),
                                    Prompter::Icon::Warning);
        return false;
    }
    delete m_scan;
    m_scan = m_scene->addPixmap(QPixmap::fromImage(image));
    m_scan->setZValue(-1);
    m_scan->setOpacity(0.85);
    // Until its corners are given, the scan is stretched over the leaf.
    const QRectF leaf(0, 0, m_account.value(Measurement::Width).value_or(1) * 567.0,
                      m_account.value(Measurement::Height).value_or(1) * 567.0);
    m_scan->setTransform(QTransform::fromScale(leaf.width() / image.width(), leaf.height() / image.height()));
    m_corners.clear();
    m_takingCorners = true;
    m_hint->setText(tr("Click the leaf's top-left corner on the scan."));
    return true;
}

void frmLeafDesigner::takeCorner(const QPointF &scenePoint)
{
    m_corners.append(m_scan->mapFromScene(scenePoint));
    if (m_corners.size() < 2) {
        m_hint->setText(tr("Now click the leaf's bottom-right corner on the scan."));
        return;
    }
    m_takingCorners = false;
    const QPointF span = m_corners.at(1) - m_corners.at(0);
    if (qAbs(span.x()) < 1 || qAbs(span.y()) < 1) {
        m_hint->setText(tr("The two corners were the same point: load the scan again."));
        return;
    }
    // The clicked corners go to the leaf's corners: the scan is then at the leaf's own scale.
    const double sx = m_account.value(Measurement::Width).value_or(0) * 567.0 / span.x();
    const double sy = m_account.value(Measurement::Height).value_or(0) * 567.0 / span.y();
    QTransform placed;
    placed.scale(sx, sy);
    placed.translate(-m_corners.at(0).x(), -m_corners.at(0).y());
    m_scan->setTransform(placed);
    m_hint->setText(tr("The scan is to scale. Drag the boxes onto its fields."));
}

bool frmLeafDesigner::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_view->viewport() && m_takingCorners && m_scan && event->type() == QEvent::MouseButtonPress) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        takeCorner(m_view->mapToScene(mouse->position().toPoint()));
        return true;
    }
    if (watched == m_view->viewport() && event->type() == QEvent::Wheel
        && (static_cast<QWheelEvent *>(event)->modifiers() & Qt::ControlModifier)) {
        const double steps = static_cast<QWheelEvent *>(event)->angleDelta().y() / 120.0;
        m_view->scale(std::pow(1.15, steps), std::pow(1.15, steps));
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void frmLeafDesigner::save()
{
    if (m_save && m_save(designed()))
        close();
}

} // namespace quillset
