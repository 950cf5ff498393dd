CLS = \
       servlets/com/demo/client.cfg \
       servlets/com/demo/server.cfg \
       static\ files/tree.js \
       static\ files/mb.js \
       static\ files/qnvdate.js \
       servlets/com/demo/QNcfg.class \
       servlets/com/demo/hcustomers.class \
       servlets/com/demo/pprintinv.class \
       servlets/com/demo/dbcINVLINE.class \
       servlets/com/demo/supcINVLINE.class \
       servlets/com/demo/dbcINVOICE.class \
       servlets/com/demo/supcINVOICE.class \

all  :$(CLS)

servlets/com/demo/QNcfg.class : com/demo/QNcfg.class
	@cp com/demo/QNcfg.class servlets/com/demo
static\ files/tree.js : tree.js
	@cp tree.js "static files/tree.js"
static\ files/mb.js : mb.js
	@cp mb.js "static files/mb.js"
static\ files/qnvdate.js : qnvdate.js
	@cp qnvdate.js "static files/qnvdate.js"
servlets/com/demo/client.cfg : com/demo/client.cfg
	@cp com/demo/client.cfg servlets/com/demo
servlets/com/demo/server.cfg : server.cfg
	@cp server.cfg servlets/com/demo
servlets/com/demo/hcustomers.class : com/demo/hcustomers.class
	@cp com/demo/hcustomers.class servlets/com/demo
servlets/com/demo/pprintinv.class : com/demo/pprintinv.class
	@cp com/demo/pprintinv.class servlets/com/demo
servlets/com/demo/dbcINVLINE.class : com/demo/dbcINVLINE.class
	@cp com/demo/dbcINVLINE.class servlets/com/demo
servlets/com/demo/supcINVLINE.class : com/demo/supcINVLINE.class
	@cp com/demo/supcINVLINE.class servlets/com/demo
servlets/com/demo/dbcINVOICE.class : com/demo/dbcINVOICE.class
	@cp com/demo/dbcINVOICE.class servlets/com/demo
servlets/com/demo/supcINVOICE.class : com/demo/supcINVOICE.class
	@cp com/demo/supcINVOICE.class servlets/com/demo

com/demo/QNcfg.class : com/demo/QNcfg.java
	@echo Compiling com/demo/QNcfg.java
	@$(JAVAC) $(CFLAGS) com/demo/QNcfg.java
com/demo/hcustomers.class : com/demo/hcustomers.java
	@echo Compiling com/demo/hcustomers.java
	@$(JAVAC) $(CFLAGS) com/demo/hcustomers.java
com/demo/pprintinv.class : com/demo/pprintinv.java
	@echo Compiling com/demo/pprintinv.java
	@$(JAVAC) $(CFLAGS) com/demo/pprintinv.java
com/demo/dbcINVLINE.class : com/demo/dbcINVLINE.java
	@echo Compiling com/demo/dbcINVLINE.java
	@$(JAVAC) $(CFLAGS) com/demo/dbcINVLINE.java
com/demo/supcINVLINE.class : com/demo/supcINVLINE.java
	@echo Compiling com/demo/supcINVLINE.java
	@$(JAVAC) $(CFLAGS) com/demo/supcINVLINE.java
com/demo/dbcINVOICE.class : com/demo/dbcINVOICE.java
	@echo Compiling com/demo/dbcINVOICE.java
	@$(JAVAC) $(CFLAGS) com/demo/dbcINVOICE.java
com/demo/supcINVOICE.class : com/demo/supcINVOICE.java
	@echo Compiling com/demo/supcINVOICE.java
	@$(JAVAC) $(CFLAGS) com/demo/supcINVOICE.java
