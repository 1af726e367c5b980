/* libraries/asl.h: the file requester of asl.library: its record, its tags and flags. */
#ifndef LIBRARIES_ASL_H
#define LIBRARIES_ASL_H

#include <exec/types.h>
#include <utility/tagitem.h>
#include <workbench/startup.h>

#define AslName "asl.library"
#define ASL_TB (TAG_USER + 0x80000)

/* Kinds of requesters (AllocAslRequest). This host has the file requester. */
#define ASL_FileRequest 0
#define ASL_FontRequest 1
#define ASL_ScreenModeRequest 2

/* A file requester. fr_File and fr_Drawer hold the result of the last
   AslRequest that was answered positively; they belong to the requester
   and stay valid until the next AslRequest or FreeAslRequest. fr_LeftEdge
   ... fr_Height are where the window was when it last closed. */
struct FileRequester {
    UBYTE fr_Reserved0[4];
    STRPTR fr_File;            /* the file's name, "" in drawers-only mode */
    STRPTR fr_Drawer;          /* the drawer it is in */
    UBYTE fr_Reserved1[10];
    WORD fr_LeftEdge;
    WORD fr_TopEdge;
    WORD fr_Width;
    WORD fr_Height;
    UBYTE fr_Reserved2[2];
    LONG fr_NumArgs;           /* with ASLFR_DoMultiSelect */
    struct WBArg *fr_ArgList;
    APTR fr_UserData;
    UBYTE fr_Reserved3[8];
    STRPTR fr_Pattern;
};

/* Window control */
#define ASLFR_Window (ASL_TB + 2)            /* the parent window: its screen, placed over it */
#define ASLFR_Screen (ASL_TB + 40)           /* the screen to open on without a window */
#define ASLFR_PubScreenName (ASL_TB + 41)    /* ... or a public screen by name */
#define ASLFR_PrivateIDCMP (ASL_TB + 42)
#define ASLFR_IntuiMsgFunc (ASL_TB + 70)
#define ASLFR_SleepWindow (ASL_TB + 43)
#define ASLFR_UserData (ASL_TB + 52)         /* what to put in fr_UserData */
#define ASLFR_PopToFront (ASL_TB + 131)
#define ASLFR_Activate (ASL_TB + 132)

/* Texts */
#define ASLFR_TextAttr (ASL_TB + 51)
#define ASLFR_Locale (ASL_TB + 50)
#define ASLFR_TitleText (ASL_TB + 1)         /* the window's title */
#define ASLFR_PositiveText (ASL_TB + 18)     /* the positive button's label ("OK") */
#define ASLFR_NegativeText (ASL_TB + 19)     /* the negative button's label ("Cancel") */

/* Initial settings */
#define ASLFR_InitialLeftEdge (ASL_TB + 3)
#define ASLFR_InitialTopEdge (ASL_TB + 4)
#define ASLFR_InitialWidth (ASL_TB + 5)
#define ASLFR_InitialHeight (ASL_TB + 6)
#define ASLFR_InitialFile (ASL_TB + 8)       /* the text of the file field */
#define ASLFR_InitialDrawer (ASL_TB + 9)     /* the drawer shown first */
#define ASLFR_InitialPattern (ASL_TB + 10)
#define ASLFR_InitialShowVolumes (ASL_TB + 130)  /* start with the list of volumes */

/* Options */
#define ASLFR_Flags1 (ASL_TB + 20)           /* FRF_ */
#define ASLFR_Flags2 (ASL_TB + 22)           /* FR2F_ */
#define ASLFR_DoSaveMode (ASL_TB + 44)       /* choosing a name to save under */
#define ASLFR_DoMultiSelect (ASL_TB + 45)
#define ASLFR_DoPatterns (ASL_TB + 46)

/* Filtering */
#define ASLFR_DrawersOnly (ASL_TB + 47)      /* choose a drawer: no files, no file field */
#define ASLFR_FilterFunc (ASL_TB + 49)
#define ASLFR_RejectIcons (ASL_TB + 60)      /* leave out names ending in ".info" */
#define ASLFR_RejectPattern (ASL_TB + 61)
#define ASLFR_AcceptPattern (ASL_TB + 62)
#define ASLFR_FilterDrawers (ASL_TB + 63)
#define ASLFR_HookFunc (ASL_TB + 7)

/* Sorting */
#define ASLFR_SetSortBy (ASL_TB + 124)
#define ASLFR_GetSortBy (ASL_TB + 125)
#define ASLFR_SetSortDrawers (ASL_TB + 126)
#define ASLFR_GetSortDrawers (ASL_TB + 127)
#define ASLFR_SetSortOrder (ASL_TB + 128)
#define ASLFR_GetSortOrder (ASL_TB + 129)

/* ASLFR_Flags1 */
#define FRB_FILTERFUNC 7
#define FRB_INTUIFUNC 6
#define FRB_DOSAVEMODE 5
#define FRB_PRIVATEIDCMP 4
#define FRB_DOMULTISELECT 3
#define FRB_DOPATTERNS 0
#define FRF_FILTERFUNC (1L << FRB_FILTERFUNC)
#define FRF_INTUIFUNC (1L << FRB_INTUIFUNC)
#define FRF_DOSAVEMODE (1L << FRB_DOSAVEMODE)
#define FRF_PRIVATEIDCMP (1L << FRB_PRIVATEIDCMP)
#define FRF_DOMULTISELECT (1L << FRB_DOMULTISELECT)
#define FRF_DOPATTERNS (1L << FRB_DOPATTERNS)

/* ASLFR_Flags2 */
#define FR2B_DRAWERSONLY 0
#define FR2B_FILTERDRAWERS 1
#define FR2B_REJECTICONS 2
#define FR2F_DRAWERSONLY (1L << FR2B_DRAWERSONLY)
#define FR2F_FILTERDRAWERS (1L << FR2B_FILTERDRAWERS)
#define FR2F_REJECTICONS (1L << FR2B_REJECTICONS)

#endif /* LIBRARIES_ASL_H */
