#pragma once

#include "core/banks/BankAccount.h"
#include "core/layout/LeafDesign.h"

#include <QWidget>

#include <functional>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QGraphicsPixmapItem;
class QGraphicsRectItem;
class QLineEdit;
class QGraphicsScene;
class QGraphicsView;
class QLabel;

namespace quillset {

class PageMetrics;
struct AppServices;

/// Lays out a leaf by eye: the leaf at true scale with every field's box where it prints, filled
/// with sample texts as the cheque prints them, over an optional scan of a blank leaf. Below it, the
/// date's layout and box pitch, the crossing's words, the bearer strike, the filler and the money's
/// wording. Boxes move and resize with the mouse
/// and move with the arrow keys; Save hands the account, so changed, to the bank window, which
/// checks and stores it as its own edits. The scan is only looked at, never stored or printed.
class frmLeafDesigner : public QWidget
{
    Q_OBJECT

public:
    /// `save` stores the designed account and says whether it was taken; the window closes when it was.
    frmLeafDesigner(AppServices &services, BankAccountRecord account,
                    std::function<bool(const BankAccountRecord &)> save, QWidget *parent = nullptr);
    ~frmLeafDesigner() override;

    /// The account as the boxes lie now.
    BankAccountRecord designed() const;
    /// Shows the leaf at this many screen pixels a centimetre.
    void setPixelsPerCentimetre(double pixels);
    QGraphicsView *view() const { return m_view; }
    /// Puts a scan of a blank leaf behind the boxes; false, saying why, when it cannot be read.
    bool loadScan(const QString &path);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    QWidget *buildMarks();
    DesignBox *box(const QString &name);
    void marksChanged();
    void boxesChanged();
    void refreshSamples();
    void showValues();
    void chooseScan();
    void takeCorner(const QPointF &scenePoint);
    void fitLeaf();
    void save();

    AppServices &m_services;
    BankAccountRecord m_account;
    std::function<bool(const BankAccountRecord &)> m_save;
    QList<DesignBox> m_boxes;
    QGraphicsScene *m_scene = nullptr;
    QGraphicsView *m_view = nullptr;
    QGraphicsPixmapItem *m_scan = nullptr;
    QLabel *m_hint = nullptr;
    QLabel *m_values = nullptr;
    QList<QPointF> m_corners; ///< the leaf's corners clicked on the scan, in the scan's own pixels
    bool m_takingCorners = false;
    BankAccountRecord m_accountAtOpen; ///< as the window opened, to tell whether anything changed
    QList<QGraphicsRectItem *> m_items; ///< the boxes on the leaf, in the order of m_boxes
    QComboBox *m_dateLayout = nullptr;
    QDoubleSpinBox *m_pitch = nullptr;
    QComboBox *m_crossing = nullptr;
    QCheckBox *m_strike = nullptr;
    QLineEdit *m_filler = nullptr;
    QCheckBox *m_subunitFirst = nullptr;
    QLineEdit *m_sign = nullptr;
    bool m_syncing = false; ///< the window itself is setting the controls or the boxes
};

} // namespace quillset
