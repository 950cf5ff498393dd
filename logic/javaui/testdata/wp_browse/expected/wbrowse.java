/*
               File: wbrowse
        Description: Browse products
             Author: Quenora Java Generator version 619
       Generated on: <when>
       Program type: Callable routine
         Connection: Explicit (dbms)
        Target DBMS: qedbase
   Operating System: Neither specified nor inferred.
 Main access method: qndata
    Use ODBC Access: Yes
*/
import com.quenora.*;
import com.quenora.db.driver.*;
import com.quenora.distributed.*;
import com.quenora.uifactory.*;
import java.sql.*;
public final class wbrowse extends QNWorkpanel
{
   public wbrowse(int remoteHandle)
   {
      super(remoteHandle, new ModelContext( wbrowse.class ));
   }

   public wbrowse(int remoteHandle, ModelContext context)
   {
      super(remoteHandle, context);
   }

   protected String getFrmTitle() {
      return "Products" ;
   }
   protected QNMenuBar getMenuBar() {
      return Application.getDefaultMenuBar(this) ;
   }
   protected int getFrmTop() {
      return 0 ;
   }
   protected int getFrmLeft() {
      return 0 ;
   }
   protected int getFrmWidth() {
      return 400 ;
   }
   protected int getFrmHeight() {
      return 300 ;
   }
   protected int getFrmBackground() {
      return UIFactory.getColor(255, 255, 255) ;
   }
   protected int getFrmForeground() {
      return UIFactory.getColor(0, 0, 0) ;
   }
   protected boolean isMainProgram() {
      return false ;
   }
   protected boolean isModal() {
      return false ;
   }
   protected boolean hasDBAccess() {
      return true ;
   }
   protected int getRefreshTimeout() {
      return 0 ;
   }
   public boolean getRefreshTimeoutAlways() {
      return true ;
   }
   protected boolean getPaintAfterStart() {
      return true ;
   }
   protected int getBorderStyle() {
      return 2 ;
   }
   protected boolean getMaxButton() {
      return true ;
   }
   protected boolean getMinButton() {
      return true ;
   }
   protected boolean getCtrlBox() {
      return true ;
   }
   protected boolean getShowInTaskbar() {
      return true ;
   }
   protected String getFormIcon() {
      return "" ;
   }
   public void execute( )
   {
      execute_int();
   }

   private void execute_int( )
   {
      start();
      return  ;
   }

   protected void standAlone() {
   }
   public final class wbrowse_load01 extends QNLoadProducer
   {
      public void loadToBuffer()
      {
         loadToBuffer01();
      }

      public synchronized void runLoad() throws QNLoadInterruptException
      {
      }

      public void closeCursors()
      {
         closeCursors01();
      }

   }

   public void loadToBuffer01() {
      variablesToSubfile01();
      subProducts.addElement(subw0100008);
      subw0100008 = new subW0100008 ();
   }
   protected void closeCursors01()
   {
   }

   public final class wbrowse_flow01 implements QNSubfileFlow
   {
      public boolean isLoadAtStartup() {
         return true;
      }
      public void autoRefresh(QNSubfile subfile, boolean loadedFirstTime) {
         if ((false) || (!loadedFirstTime && !isLoadAtStartup())) {
            QNRefresh();
            subfile.load();
            resetSubfileConditions();
         }
      }
      public void resetSubfileConditions() {
      }
      public void refreshScreen() {
         VariablesToControls();
      }
      public QNSubfileElement getNewSubfileElement() {
         return new subW0100008 ();
      }
      public boolean getSearch(QNSubfileElement subfileElement) {
         return true;
      }
      public void setConditionalColor(GUIObject comp, QNSubfileElement element) {

      }
      public boolean getNoaccept(int col, QNSubfileElement element, boolean enabled) {
         return !enabled;
      }
   }
   protected void QNRefresh() {
      ControlsToVariables();
      standAlone();
      VariablesToControls();
      /* Execute user event: E11V08 */
      E11V08();
      /* Quenora Refresh */
   }
   protected void E11V08()
   {
      /* refreshRoutine */
      eventLevelContext();
   }

   protected void E12V08()
   {
      /* Products.ClickRoutine */
      eventLevelContext();
   }

   protected void screen() {
      QNPanel1 = new QNPanel(this, 0 , 0 , 400 , 300 );
      this.setIBackground(UIFactory.getColor(255, 255, 255));
      this.setIForeground(UIFactory.getColor(0, 0, 0));
      QNPanel1.refreshFrame();
      btt6 = UIFactory.getQNButton(QNPanel1 , "Cancel" , 300 , 250 , 80 , 25 , UIFactory.getFont( "MS Sans Serif", 0, 8) );
      btt6.setTooltip("Cancel");
      btt6.addActionListener(this);
      btt5 = UIFactory.getQNButton(QNPanel1 , "Refresh" , 210 , 250 , 80 , 25 , UIFactory.getFont( "MS Sans Serif", 0, 8) );
      btt5.setTooltip("Refresh");
      btt5.addActionListener(this);
      addSubfile ( subProducts = new QNSubfile ( new wbrowse_load01(), new wbrowse_flow01(), false , new QNColumnDefinition[] {
         new QNColumnDefinition( new GUIObjectInt ( new QNEdit(6, "ZZZZZ9", UIFactory.getFont( "MS Sans Serif", IFont.BOLD, 8),0, 0, 80, 18, null, false, ILabel.BORDER_NONE, QNTypeConstants.NUMERIC, false) , null, 0 , 0 , 80 , 18 , Integer.MAX_VALUE , UIFactory.getColor(0, 0, 0) , UIFactory.getFont( "MS Sans Serif", IFont.BOLD, 8) , true , "Aprodid" ), "ProdId" , UIFactory.getColor(0, 0, 0) , UIFactory.getColor(0, 0, 0) , 80 , UIFactory.getFont( "MS Sans Serif", IFont.BOLD, 8) , true ),
         new QNColumnDefinition( new GUIObjectString ( new QNEdit(40, "", UIFactory.getFont( "MS Sans Serif", IFont.BOLD, 8),0, 0, 300, 18, null, false, ILabel.BORDER_NONE, QNTypeConstants.CHAR, false) , null, 0 , 0 , 300 , 18 , Integer.MAX_VALUE , UIFactory.getColor(0, 0, 0) , UIFactory.getFont( "MS Sans Serif", IFont.BOLD, 8) , true , "Aproddsc" ), "ProdDsc" , UIFactory.getColor(0, 0, 0) , UIFactory.getColor(0, 0, 0) , 300 , UIFactory.getFont( "MS Sans Serif", IFont.BOLD, 8) , true )
      }, 11 , 20 , QNPanel1 , 10 , 10 , 380 , 230 , 18 ));
      subProducts.addActionListener(this);
      subProducts.addFocusListener(this);
      subProducts.addItemListener(this);
      focusManager.setControlList(new IFocusableControl[] {
                subProducts,
                btt5,
                btt6
      });
   }
   protected void setFocusFirst() {
      setFocus(subProducts);
   }
   public void setNoAccept(Object eventSource) {
   }
   protected void variablesToSubfile01() {
      subw0100008.setProdId(Aprodid);
      subw0100008.setProdDsc(Aproddsc);
   }
   protected void subfileToVariables01() {
      Aprodid = subw0100008.getProdId();
      Aproddsc = subw0100008.getProdDsc();
   }
   protected void VariablesToControls() {
   }
   protected void ControlsToVariables() {
   }
   protected void eventNoLevelContext() {
      ControlsToVariables();
   }
   protected void eventLevelContext() {
      ControlsToVariables();
      if ( subProducts.inValidElement() )
      {
         subw0100008 = ( subW0100008 ) subProducts.getCurrentElement() ;
         subfileToVariables01();
      }
   }
   protected void eventLevelResetContext() {
      variablesToSubfile01();
      subProducts.refreshLineValue(subw0100008);
   }
   public void setConditionalColor(boolean all, Object control) {
   }
   protected void actionEventDispatch(Object eventSource) {
      if (btt5.isEventSource(eventSource)) {
         QNRefresh();
         subProducts.load();
         return;
      }
      if (btt6.isEventSource(eventSource)) {
         cleanup();
         return;
      }
      if (subProducts.isEventSource(eventSource)) {
         return;
      }
   }
   protected void setCurrentQNCursor(Object eventSource) {
   }
   protected void gotFocusEventDispatch(Object eventSource) {
   }
   protected void focusEventDispatch(Object eventSource) {
   }
   protected void updateAttributes(Object eventSource) {
   }
   protected void itemEventDispatch(Object eventSource) {
      if (subProducts.isEventSource(eventSource)) {
         /* Execute user event: E12V08 */
         E12V08();
         return;
      }
   }
   public void mouseEventDispatch(Object eventSource, int modifier) {
   }
   public void keyEventDispatch(Object eventSource, int keyCode) {
      if (triggerEventEnter(eventSource, keyCode)) {
         return;
      }
   }
   public boolean menuActionPerformed(String action)
   {
      return false;
   }

   public IQNButton getCancelButton() {
      return btt6 ;
   }
   public void refreshArray(String array) {
   }
   protected void cleanup( )
   {
      stopThreads();
      super.cleanup();
      Application.cleanup(context, this, remoteHandle);
   }

   public void initialize( )
   {
      subw0100008 = new subW0100008();
      Aprodid = 0 ;
      Aproddsc = "" ;
      /* Quenora formulas. */
   }

   protected int Aprodid ;
   protected String Aproddsc ;
   protected QNPanel QNPanel1 ;
   protected IQNButton btt6 ;
   protected IQNButton btt5 ;
   protected QNSubfile subProducts ;
   protected subW0100008 subw0100008 ;
}

