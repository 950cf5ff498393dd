// Hand-written frame of the golden case trn_buttons: each "//@" marker is
// replaced by the lines the button rules write there; the rest stands in
// for the transaction class (its fields, its focus call).
import com.quenora.*;
import com.quenora.uifactory.*;

public final class tcustomer_buttons extends QNWorkpanel {
   // A button with the property setters the fragments call.
   static final class Button extends IQNButton {
      public void setQNEnabled(int enabled) {}
      public void setQNVisible(int visible) {}
   }
   Button btt10 = new Button();
   Button btt11 = new Button();
   Button btt_QNGet_ = new Button();
   String Mode = "";
   String CustType = "", CustName = "", CustCity = "";
   QNString QNt_QNString1, QNt_QNString2;

   void setNextFocus(Object control) {}

   protected void setAddCaption() {
      btt10.setBitmap( "qnconfirm_add.gif" );
      btt10.setTooltip( localUtil.getMessages().getMessage("captionadd") );
   }
   protected void setUpdateCaption() {
      btt10.setBitmap( "save.gif" );
      btt10.setTooltip( localUtil.getMessages().getMessage("captionupdate") );
   }
   protected void setConfirmCaption() {
      btt10.setBitmap( "qnconfirm_cnf.gif" );
      btt10.setTooltip( localUtil.getMessages().getMessage("captionconfirm") );
   }
   protected void setDeleteCaption() {
      btt10.setBitmap( "qnconfirm_dlt.gif" );
      btt10.setTooltip( localUtil.getMessages().getMessage("captiondelete") );
   }
   protected void disable_std_buttons( )
   {
      btt10.setQNEnabled( 0 );
      btt11.setQNEnabled( 0 );
      btt_QNGet_.setQNEnabled( 0 );
      btt_QNGet_.setQNVisible( 0 );
      if ( ( QNutil.strcmp(Mode, "INS") == 0 ) )
      {
         btt10.setBitmap( "qnconfirm_add.gif" );
         btt10.setTooltip( localUtil.getMessages().getMessage("captionadd") );
      }
   }

   protected void focusEnter() {
      setNextFocus(btt10);
   }
   protected void prompt_2_1( )
   {
      QNt_QNString1 = new QNString(CustType);
      QNt_QNString2 = new QNString(CustName);
      new typepick(remoteHandle, context).execute( QNt_QNString1, QNt_QNString2) ;
      CustType = QNt_QNString1.getValue();
      CustName = QNt_QNString2.getValue();
      /* End function prompt_2_1 */
   }

   protected void prompt_4_1( )
   {
      QNt_QNString1 = new QNString(CustCity);
      new citypick(remoteHandle, context).execute( QNt_QNString1) ;
      CustCity = QNt_QNString1.getValue();
      /* End function prompt_4_1 */
   }

}
