// The About screen frmAboutSpcl: the program's name and version, shown modal.
#pragma once

#include <QDialog>

namespace tallyrin {

class frmAboutSpcl : public QDialog
{
    Q_OBJECT
public:
    explicit frmAboutSpcl(QWidget* parent = nullptr);
};

} // namespace tallyrin
