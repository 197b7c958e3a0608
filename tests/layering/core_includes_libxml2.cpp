#include <libxml/xmlreader.h>
