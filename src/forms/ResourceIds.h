#ifndef VANTREL_FORMS_RESOURCE_IDS_H
#define VANTREL_FORMS_RESOURCE_IDS_H

/* Resource ids, shared by the resource scripts and the code (plain macros so
   that the resource compiler reads them too). Ranges: the program 1-199, the
   About dialog 200-299, the Preferences dialog 300-399, shared bitmaps
   400-499. */

/* The program icon; the lowest icon id, so the shell shows it for the exe. */
#define IDI_MAINICON 1

#define IDD_ABOUT 200
#define IDC_ABOUT_PANEL 201
#define IDC_ABOUT_OK 202
#define IDC_ABOUT_TITLE 203
#define IDC_ABOUT_ICON 204
#define IDC_ABOUT_VERSION 205
#define IDC_ABOUT_COPYRIGHT 206
#define IDC_ABOUT_LINK 207

#define IDD_PREF 300
#define IDC_PREF_PANEL 301
#define IDC_PREF_FORMAT_LABEL 302
#define IDC_PREF_DISP12 303
#define IDC_PREF_DISP24 304
#define IDC_PREF_OK 305
#define IDC_PREF_CANCEL 306
#define IDC_PREF_FONT_LABEL 307
#define IDC_PREF_COLOR_LABEL 308
#define IDC_PREF_COLOR 309
#define IDC_PREF_FONT 310
#define IDC_PREF_SIZE 311
#define IDC_PREF_SIZE_LABEL 312
#define IDC_PREF_STYLE_LABEL 313
#define IDC_PREF_BOLD 314
#define IDC_PREF_UNDERLINE 315
#define IDC_PREF_DISP12_LABEL 316
#define IDC_PREF_DISP24_LABEL 317
#define IDC_PREF_BOLD_LABEL 318
#define IDC_PREF_UNDERLINE_LABEL 319
#define IDC_PREF_APPLY 320

#endif
