/* Resource identifiers for Corvel Editor Zozi.
 * Plain preprocessor content only: included from C++ sources and app.rc. */
#ifndef CORVEL_EDITOR_ZOZI_RESOURCE_H
#define CORVEL_EDITOR_ZOZI_RESOURCE_H

/* Application icon: main window, dialogs, tray and the program file. */
#define IDI_APP 1

#endif /* CORVEL_EDITOR_ZOZI_RESOURCE_H */
