// The preview pane's texts in the library's string table.
#pragma once

#define IDS_FAMILY_TSFS 201
#define IDS_FAMILY_RA2YR 202
// Family name, grid width and height, tile count.
#define IDS_SUMMARY_TILES 203
#define IDS_SUMMARY_ONE_TILE 204
