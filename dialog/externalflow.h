#pragma once

// The calculator window. The combo-box slots walk the user through the choices and record them
// in five selection codes; the Calculate slot reads the fields, hands texts turned numbers to the
// Qt-free engine (correlations/engine.h) and writes back what it answers.

#include "ui_externalflow.h"

#include "engine.h"

#include <QDialog>
#include <QString>

class ExternalFlow : public QDialog
{
    Q_OBJECT

public:
    explicit ExternalFlow(QWidget *parent = nullptr, Qt::WindowFlags flags = {});

    // The five codes as chosen so far, for windows that follow the calculator's case.
    nusselt::Selection selection() const
    {
        return nusselt::selectionFromCodes(geometryType, heatCondition, flowCondition, fluidType, sphereType);
    }

private slots:
    int on_Calculate_clicked();
    void on_TurbulantCombo_textActivated(QString str);
    void on_UniformTempCombo_textActivated(QString str);
    void on_GeometryCombo_textActivated(QString str);
    void on_LiquidMetalCombo_textActivated(QString str);
    void on_SphereCombo_textActivated(QString str);

private:
    // Tests only (tests/guitest.h): full access to the form's widgets through ui, and the
    // selection codes read-only; the program itself reads them through selection() alone.
    friend class ExternalFlowTestAccess;

    Ui_ExternalFlow ui;
    // Codes: geometry 1 Flat Plate, 2 Cylinder, 3 Sphere; heat 1 Uniform Temp, 2 Uniform Flux,
    // 3 Unheated Starting Length; flow 1 Laminar, 2 Turbulant, 3 Mixed Flow; fluid 1 Regular Fluid,
    // 2 Liquid Metal; sphere 1 Regular Sphere, 2 Drops. 0 means nothing chosen yet.
    int geometryType;
    int heatCondition;
    int flowCondition;
    int fluidType;
    int sphereType;
};
