#pragma once

#include <QDialog>
#include <QString>

class QDoubleSpinBox;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace Ui {

// Options of the multi-FHP ensemble: the initial image, the block size of
// the averaging, the ensemble size, the steps averaged, and the strip width
// and push probability of the shear drive.
class MultiFhpAutomatonOptions : public QDialog {
    Q_OBJECT
public:
    explicit MultiFhpAutomatonOptions(QWidget* parent = nullptr);

    QString initialStateFilename() const;
    int scaleFactor() const;
    int automataToRun() const;
    int stepsToAverage() const;
    int stripWidth() const;
    float switchProbability() const;

    // The folder the "Select image" dialog opens in; it follows every choice.
    static QString& rememberedFolder();

public slots:
    // Asks for the initial image and writes the chosen path into the line edit.
    void setInitialStateFilename();

private:
    QLineEdit* initialStateEdit;
    QPushButton* initialStateButton;
    QSpinBox* scaleFactorBox;
    QSpinBox* automataToRunBox;
    QSpinBox* stepsToAverageBox;
    QSpinBox* stripWidthBox;
    QDoubleSpinBox* switchProbabilityBox;
};

} // namespace Ui
