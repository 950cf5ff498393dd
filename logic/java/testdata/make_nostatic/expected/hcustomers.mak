CLS = \
       servlets/client.cfg \
       servlets/server.cfg \
       servlets/QNcfg.class \
       servlets/hcustomers.class \
       servlets/pprintinv.class \
       servlets/dbcINVLINE.class \
       servlets/supcINVLINE.class \
       servlets/dbcINVOICE.class \
       servlets/supcINVOICE.class \

all  :$(CLS)

servlets/QNcfg.class : QNcfg.class
	@cp QNcfg.class servlets
servlets/client.cfg : client.cfg
	@cp client.cfg servlets
servlets/server.cfg : server.cfg
	@cp server.cfg servlets
servlets/hcustomers.class : hcustomers.class
	@cp hcustomers.class servlets
servlets/pprintinv.class : pprintinv.class
	@cp pprintinv.class servlets
servlets/dbcINVLINE.class : dbcINVLINE.class
	@cp dbcINVLINE.class servlets
servlets/supcINVLINE.class : supcINVLINE.class
	@cp supcINVLINE.class servlets
servlets/dbcINVOICE.class : dbcINVOICE.class
	@cp dbcINVOICE.class servlets
servlets/supcINVOICE.class : supcINVOICE.class
	@cp supcINVOICE.class servlets

QNcfg.class : QNcfg.java
	@echo Compiling QNcfg.java
	@$(JAVAC) $(CFLAGS) QNcfg.java
hcustomers.class : hcustomers.java
	@echo Compiling hcustomers.java
	@$(JAVAC) $(CFLAGS) hcustomers.java
pprintinv.class : pprintinv.java
	@echo Compiling pprintinv.java
	@$(JAVAC) $(CFLAGS) pprintinv.java
dbcINVLINE.class : dbcINVLINE.java
	@echo Compiling dbcINVLINE.java
	@$(JAVAC) $(CFLAGS) dbcINVLINE.java
supcINVLINE.class : supcINVLINE.java
	@echo Compiling supcINVLINE.java
	@$(JAVAC) $(CFLAGS) supcINVLINE.java
dbcINVOICE.class : dbcINVOICE.java
	@echo Compiling dbcINVOICE.java
	@$(JAVAC) $(CFLAGS) dbcINVOICE.java
supcINVOICE.class : supcINVOICE.java
	@echo Compiling supcINVOICE.java
	@$(JAVAC) $(CFLAGS) supcINVOICE.java
