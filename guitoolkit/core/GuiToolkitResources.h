/* Identifiers of the toolkit's own resources. A program that uses the toolkit builds them
   in by including GuiToolkitResources.rc in its resource script. */
#ifndef GUITOOLKIT_CORE_GUITOOLKITRESOURCES_H
#define GUITOOLKIT_CORE_GUITOOLKITRESOURCES_H

#define IDS_GT_MENU_BAR 16006
#define IDS_GT_INTERNAL_ERROR 16008
#define IDS_GT_CANNOT_COPY_IMAGE 16010
#define IDS_GT_EXPAND_MENU 16025
#define IDS_GT_TEAR_OFF_TIP 16028
#define IDS_GT_UNTITLED 16104
#define IDS_GT_RESET_TOOLBAR 16111
/* The customize button's popup: its name and the item that lists the bars' buttons. */
#define IDS_GT_TOOLBAR_OPTIONS 17017
#define IDS_GT_ADD_REMOVE_BUTTONS 17018
#define IDI_GT_USER_TOOL 16931
/* The items of a bar's docking menu. */
#define IDS_GT_DOCKING_FLOATING 17039
#define IDS_GT_DOCKING_DOCKING 17040
#define IDS_GT_DOCKING_AUTOHIDE 17041
#define IDS_GT_DOCKING_HIDE 17042
/* The tooltips of a docking pane's caption buttons. */
#define IDS_GT_CAPTION_CLOSE 16032
#define IDS_GT_CAPTION_AUTOHIDE 16033
#define IDS_GT_CAPTION_AUTOHIDE_ALL 16036
#define IDS_GT_CAPTION_WINDOW_POSITION 17038
/* Cursors of a dragged toolbar button. */
#define IDC_GT_COPY 16004
#define IDC_GT_NODROP 16133
#define IDC_GT_MOVE 16146
/* The link buttons' hand. */
#define IDC_GT_HAND 16919
/* The grid: the cursor of a dragged column, the grouping area's prompt and the title of
   the column chooser. */
#define IDC_GT_COLUMN_DRAG 17063
#define IDS_GT_GROUP_PROMPT 17064
#define IDS_GT_FIELD_CHOOSER 17065

#endif
