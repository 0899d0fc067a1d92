#pragma once

// The calculator window. The combo-box slots walk the user through the choices and record them
// in five selection codes; the Calculate slot reads the fields, hands texts turned numbers to the
// Qt-free engine (correlations/engine.h) and writes back what it answers.
// Windows opened from the calculator (Flow Conditions) use the public members below and nothing
// else: the choices and fields themselves stay the calculator's own.

#include "ui_externalflow.h"

#include "engine.h"

#include <QDialog>
#include <QString>

#include <functional>

class QMenu;

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
    // Whether the calculator has the selection's geometry among its items.
    static bool offers(const nusselt::Selection &selection);
    // Chooses the selection's items in the combo boxes as a user would, in the order they are
    // asked for, from the first one that differs from the current choice on; the slots then set
    // the codes, prompts and enabled fields. A code of 0 chooses nothing (no slot resets a code),
    // and a geometry the calculator does not offer changes nothing.
    void setSelection(const nusselt::Selection &selection);

    // The fields' numbers, read as Calculate reads them.
    nusselt::Inputs inputs() const;
    // Writes the numbers the inputs have into their fields (17 significant digits, so that
    // Calculate reads back the very same doubles); fields without a number are left as they are.
    void setInputs(const nusselt::Inputs &inputs);

    // For windows that open from the calculator: addEntries is given every field's context menu
    // when it opens, after the standard entries; the tips go to the Reynolds and Prandtl fields.
    void extendFieldMenus(const std::function<void(QMenu *)> &addEntries);
    void setNumberTips(const QString &reynolds, const QString &prandtl);

signals:
    // Once per choice the user makes (after the slot has run) and once per setSelection that
    // chose something.
    void selectionChanged(nusselt::Selection selection);

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
