#pragma once

#include <QDialog>
#include <QString>

class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace Ui {

// The substrate of the atomistic etch simulators: etched from the top, from
// both sides, or a sphere; the mask pictures and the depth or diameter.
class AtomisticSimulatorLoadingDialog : public QDialog {
    Q_OBJECT

public:
    enum Mode { SingleSided = 1, DoubleSided = 2, Sphere = 3 };

    explicit AtomisticSimulatorLoadingDialog(QWidget* parent = nullptr);

    Mode mode() const;
    QString topMaskFile() const;
    QString bottomMaskFile() const;
    int depth() const;
    int diameter() const;

public slots:
    void chooseTopMaskingFile();
    void chooseBottomMaskingFile();
    void switchSingleSided();
    void switchDoubleSided();
    void switchSphere();

private:
    void enableFields(bool top, bool bottom, bool depth, bool diameter);
    void chooseFile(QLineEdit* field);

    QRadioButton* rbSingleSided;
    QRadioButton* rbDoubleSided;
    QRadioButton* rbSphere;
    QLineEdit* leTopMask;
    QPushButton* btnTopMask;
    QLineEdit* leBottomMask;
    QPushButton* btnBottomMask;
    QSpinBox* sbDepth;
    QSpinBox* sbDiameter;
};

} // namespace Ui
