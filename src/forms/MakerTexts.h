#ifndef VANTREL_FORMS_MAKER_TEXTS_H
#define VANTREL_FORMS_MAKER_TEXTS_H

/* The maker's texts, shown in the About dialog and stored in the version
   record (plain macros so that the resource compiler reads them too). */

#define VANTREL_COPYRIGHT "Copyright (C) 2026 quorvane"
/* The maker's own address (a reserved test domain); the link's visible text
   and its target. */
#define VANTREL_WEB_ADDRESS "https://quorvane.test/"

#endif
