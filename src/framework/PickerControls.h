#ifndef VANTREL_FRAMEWORK_PICKER_CONTROLS_H
#define VANTREL_FRAMEWORK_PICKER_CONTROLS_H

/* Window classes of the pickers and check indicators, for CONTROL statements
   in resource scripts and for the code (plain macros so that the resource
   compiler reads them too). */

#define COLOR_COMBOBOX_CLASS "VantrelColorComboBox"
#define FONT_COMBOBOX_CLASS "VantrelFontComboBox"
#define FONT_SIZE_COMBOBOX_CLASS "VantrelFontSizeComboBox"
#define RADIO_BUTTON_CLASS "VantrelRadioButton"
#define CHECK_BOX_CLASS "VantrelCheckBox"

#endif
