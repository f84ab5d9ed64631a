#ifndef VANTREL_FRAMEWORK_DIALOG_CONTROLS_H
#define VANTREL_FRAMEWORK_DIALOG_CONTROLS_H

/* Window classes and styles of the dialog controls, for CONTROL statements in
   resource scripts and for the code (plain macros so that the resource
   compiler reads them too). */

#define STRIPED_PANEL_CLASS "VantrelStripedPanel"
#define SHADOW_LABEL_CLASS "VantrelShadowLabel"
#define SKINNED_BUTTON_CLASS "VantrelSkinnedButton"
#define HYPERLINK_LABEL_CLASS "VantrelHyperlinkLabel"
/* The window text names the icon resource, e.g. "#1". */
#define ICON_PICTURE_CLASS "VantrelIconPicture"

/* Striped panel: a raised bevel one pixel wide around the stripes. */
#define STRIPED_PANEL_BEVEL 0x0001

/* Skinned button: the skin in the low bits, and whether the pointer over the
   button shows the hover image. */
#define SKINNED_BUTTON_CYAN 0x0000
#define SKINNED_BUTTON_RED 0x0001
#define SKINNED_BUTTON_WHITE 0x0002
#define SKINNED_BUTTON_BLUE 0x0003
#define SKINNED_BUTTON_SKIN_MASK 0x000F
#define SKINNED_BUTTON_HOVER 0x0010

#endif
