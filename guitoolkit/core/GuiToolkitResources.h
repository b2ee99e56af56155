/* Identifiers of the toolkit's own resources. A program that uses the toolkit builds them
   in by including GuiToolkitResources.rc in its resource script. */
#ifndef GUITOOLKIT_CORE_GUITOOLKITRESOURCES_H
#define GUITOOLKIT_CORE_GUITOOLKITRESOURCES_H

#define IDS_GT_INTERNAL_ERROR 16008
#define IDS_GT_CANNOT_COPY_IMAGE 16010
#define IDI_GT_USER_TOOL 16931
#define IDC_GT_HAND 16919

#endif
