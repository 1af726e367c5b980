/* intuition/icclass.h: interconnections between objects: targets and attribute maps. */
#ifndef INTUITION_ICCLASS_H
#define INTUITION_ICCLASS_H

#include <utility/tagitem.h>

/* icclass methods */
#define ICM_Dummy 0x0401
#define ICM_SETLOOP 0x0402
#define ICM_CLEARLOOP 0x0403
#define ICM_CHECKLOOP 0x0404

/* Attributes of every gadget and of icclass objects. */
#define ICA_Dummy (TAG_USER + 0x40000)
#define ICA_TARGET (ICA_Dummy + 1)   /* object told by OM_UPDATE of every change, or ICTARGET_IDCMP */
#define ICA_MAP (ICA_Dummy + 2)      /* tag list of pairs (our attribute, the target's attribute) */
#define ICSPECIAL_CODE (ICA_Dummy + 3)  /* in a notification: the Code of IDCMP_IDCMPUPDATE */

/* ICA_TARGET: send the changes to the window as IDCMP_IDCMPUPDATE, whose
   IAddress is a copy of the attribute list. */
#define ICTARGET_IDCMP (~0UL)

#endif /* INTUITION_ICCLASS_H */
