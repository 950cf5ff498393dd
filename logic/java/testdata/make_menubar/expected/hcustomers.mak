CLS = \
       servlets/client.cfg \
       servlets/server.cfg \
       static/tree.js \
       static/mb.js \
       static/qnvdate.js \
       servlets/QNcfg.class \
       servlets/hcustomers.class \
       servlets/bmainbar.class \

all  :$(CLS)

servlets/QNcfg.class : QNcfg.class
	@cp QNcfg.class servlets
static/tree.js : tree.js
	@cp tree.js static/tree.js
static/mb.js : mb.js
	@cp mb.js static/mb.js
static/qnvdate.js : qnvdate.js
	@cp qnvdate.js static/qnvdate.js
servlets/client.cfg : client.cfg
	@cp client.cfg servlets
servlets/server.cfg : server.cfg
	@cp server.cfg servlets
servlets/hcustomers.class : hcustomers.class
	@cp hcustomers.class servlets
servlets/bmainbar.class : bmainbar.class
	@cp bmainbar.class servlets
	@cp bmainbar.js static/bmainbar.js

QNcfg.class : QNcfg.java
	@echo Compiling QNcfg.java
	@$(JAVAC) $(CFLAGS) QNcfg.java
hcustomers.class : hcustomers.java
	@echo Compiling hcustomers.java
	@$(JAVAC) $(CFLAGS) hcustomers.java
bmainbar.class : bmainbar.java
	@echo Compiling bmainbar.java
	@$(JAVAC) $(CFLAGS) bmainbar.java
